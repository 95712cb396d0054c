#include "platform/Platform.h"

#include "ZorvaneVersion.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontDatabase>
#include <QPalette>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace platform {

QColor SystemColour(int index)
{
    const QPalette palette = QApplication::palette();
    if (index == 5) {
        return palette.color(QPalette::Active, QPalette::Base);
    }
    // Qt has no caption colours; the dialog ground is what an inactive caption's text reads as.
    return palette.color(QPalette::Active, QPalette::Window);
}

void Sleep(std::chrono::milliseconds length)
{
    std::this_thread::sleep_for(length);
}

void SetWaitCursor(bool waiting)
{
    if (waiting) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}

namespace {

class InputDiscarder final : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void DiscardQueuedInput()
{
    InputDiscarder discarder;
    QCoreApplication::instance()->installEventFilter(&discarder);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(&discarder);
}

namespace {

void LoadBannerFonts()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        return;
    }
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") +
                                          QLatin1String(file));
    }
}

} // namespace

QFont BannerFont(qreal pointSize)
{
    static const bool loaded = (LoadBannerFonts(), true);
    Q_UNUSED(loaded);
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QString CopyrightNotice()
{
    return QString::fromUtf8(ZORVANE_COPYRIGHT);
}

void EndProgram()
{
    QCoreApplication::exit(0);
}

namespace {

QtMessageHandler PreviousHandler = nullptr;

void StartupMessages(QtMsgType type, const QMessageLogContext&, const QString&)
{
    // Qt's own start-up complaints are several lines and an abort; say it once, plainly.
    if (type == QtFatalMsg) {
        std::fputs("zorvane: no display to open a window on (is DISPLAY set?)\n", stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace

DisplayGuard::DisplayGuard()
{
    PreviousHandler = qInstallMessageHandler(StartupMessages);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(PreviousHandler);
}

} // namespace platform
