// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/BannerLabel.h"

#include "platform/ScreenPixels.h"

namespace {

class BannerAccessible final : public platform::ScreenPixelsAccessible {
  public:
    explicit BannerAccessible(QWidget* banner)
        : platform::ScreenPixelsAccessible(banner, QAccessible::Notification)
    {
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* BannerFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BannerLabel") && object->isWidgetType()) {
        return new BannerAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

BannerLabel::BannerLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(BannerFactory), true);
    Q_UNUSED(factoryInstalled);
}

void BannerLabel::SetLit(bool lit)
{
    if (lit != IsLit) {
        IsLit = lit;
        update();
    }
}

void BannerLabel::paintEvent(QPaintEvent* event)
{
    if (IsLit) {
        QLabel::paintEvent(event);
    }
}
