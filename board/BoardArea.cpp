// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/BoardArea.h"

#include "board/BoardGeometry.h"
#include "platform/ScreenPixels.h"

#include <QPointer>
#include <QWindow>

namespace geometry = zorvane::geometry;

namespace {

// The band of a cell on each axis, the area a click plays it from.
QRect CellBand(int cell)
{
    return {geometry::GridOrigin + geometry::BandWidth * (cell % 3),
            geometry::GridOrigin + geometry::BandWidth * (cell / 3), geometry::BandWidth,
            geometry::BandWidth};
}

// A part of the board with no widget of its own: the board's interface owns it.
class PartAccessible : public QAccessibleInterface {
  public:
    explicit PartAccessible(BoardArea* area) : Area(area) {}

    [[nodiscard]] bool isValid() const override { return !Area.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override
    {
        return Area ? Area->window()->windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(Area.data());
    }
    [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    QPointer<BoardArea> Area;
};

// The news, a paragraph far above and left of every screen, as the web's text for screen
// readers alone: a reader's review lists an object of no size as one it cannot place. Not a
// label, which readers read with the board as the focus enters it, saying the news twice; not
// focusable by keys, which would be read as a read-only text box.
class NewsAccessible final : public PartAccessible {
  public:
    NewsAccessible(BoardArea* area, int slot) : PartAccessible(area), Slot(slot) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && Area ? News() : QString();
    }
    [[nodiscard]] QRect rect() const override { return {-32000, -32000, 1, 1}; }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Paragraph; }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !Area || !Area->isVisible() || News().isEmpty();
        state.focused = Area && Area->Told().FocusSlot == Slot && Area->isActiveWindow();
        return state;
    }

  private:
    [[nodiscard]] QString News() const
    {
        return QString::fromStdString(Area->Told().News[static_cast<std::size_t>(Slot)]);
    }

    int Slot;
};

class CellAccessible final : public PartAccessible, public QAccessibleActionInterface {
  public:
    CellAccessible(BoardArea* area, int cell) : PartAccessible(area), Cell(cell) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (!Area || kind != QAccessible::Name) {
            return {};
        }
        const zorvane::Mark mark = Area->Board().Marks[static_cast<std::size_t>(Cell)];
        return QString::fromStdString(zorvane::CellName(Cell, mark));
    }
    void setText(QAccessible::Text, const QString&) override {}
    [[nodiscard]] QRect rect() const override
    {
        if (!Area) {
            return {};
        }
        const QRect band = CellBand(Cell);
        return platform::ForScreenReader(Area, {Area->mapToGlobal(band.topLeft()), band.size()});
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Button; }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !Area || !Area->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    // The name screen readers look for in an object they are asked to click.
    [[nodiscard]] QStringList actionNames() const override { return {QStringLiteral("click")}; }
    void doAction(const QString& name) override
    {
        if (name == QLatin1String("click") && Area) {
            emit Area->CellActivated(Cell);
        }
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    int Cell;
};

class BoardAccessible final : public platform::ScreenPixelsAccessible {
  public:
    explicit BoardAccessible(BoardArea* area)
        : platform::ScreenPixelsAccessible(area, QAccessible::Grouping)
    {
        for (int cell = 0; cell < 9; ++cell) {
            Cells[static_cast<std::size_t>(cell)] = new CellAccessible(area, cell);
        }
        for (int slot = 0; slot < zorvane::NewsSlots; ++slot) {
            Cells[static_cast<std::size_t>(9 + slot)] = new NewsAccessible(area, slot);
        }
        for (std::size_t i = 0; i < Cells.size(); ++i) {
            Ids[i] = QAccessible::registerAccessibleInterface(Cells[i]);
        }
    }
    ~BoardAccessible() override
    {
        // By the ids registering gave: asked for the id of a pointer it no longer knows, as in
        // Qt's own teardown, QAccessible would register it again and call into it.
        for (const QAccessible::Id id : Ids) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    [[nodiscard]] int childCount() const override
    {
        return static_cast<int>(Cells.size() + Others().size());
    }
    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        if (index >= 0 && index < static_cast<int>(Cells.size())) {
            return Cells[static_cast<std::size_t>(index)];
        }
        const QWidgetList others = Others();
        const auto other = index - static_cast<int>(Cells.size());
        return other >= 0 && other < others.size()
                   ? QAccessible::queryAccessibleInterface(others.at(other))
                   : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto cell = std::find(Cells.begin(), Cells.end(), child);
        if (cell != Cells.end()) {
            return static_cast<int>(cell - Cells.begin());
        }
        const auto other = child != nullptr ? Others().indexOf(child->object()) : -1;
        return other < 0 ? -1 : static_cast<int>(Cells.size() + other);
    }
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override
    {
        for (QAccessibleInterface* cell : Cells) {
            if (cell->rect().contains(x, y)) {
                return cell;
            }
        }
        return QAccessibleWidget::childAt(x, y);
    }
    [[nodiscard]] QAccessibleInterface* Cell(int cell) const
    {
        return Cells[static_cast<std::size_t>(cell)];
    }
    [[nodiscard]] QAccessibleInterface* News(int slot) const
    {
        return Cells[static_cast<std::size_t>(9 + slot)];
    }

  private:
    // The area's own children but for those read through the cells.
    [[nodiscard]] QWidgetList Others() const
    {
        const auto* area = static_cast<const BoardArea*>(widget());
        QWidgetList others;
        for (QObject* object : area->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control != nullptr && !control->isWindow() &&
                !area->ReadThroughCells().contains(control)) {
                others << control;
            }
        }
        return others;
    }

    // The nine cells, then the news of the last two moves.
    std::array<QAccessibleInterface*, 9 + zorvane::NewsSlots> Cells{};
    std::array<QAccessible::Id, 9 + zorvane::NewsSlots> Ids{};
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BoardArea") && object->isWidgetType()) {
        return new BoardAccessible(static_cast<BoardArea*>(object));
    }
    return nullptr;
}

} // namespace

BoardArea::BoardArea(const zorvane::BoardState& state, const zorvane::MatchRecord& record,
                     QWidget* parent)
    : QWidget(parent), State(state), Record(record)
{
    static const bool factoryInstalled = (QAccessible::installFactory(BoardFactory), true);
    Q_UNUSED(factoryInstalled);
}

void BoardArea::Refresh()
{
    const std::vector<zorvane::Telling> told = zorvane::Narrate(Narration, State, Record);
    // Asking for the interface creates it: only worth it while a screen reader listens.
    if (told.empty() || !QAccessible::isActive()) {
        return;
    }
    auto* board = static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(this));
    for (const zorvane::Telling& telling : told) {
        const bool news = telling.What == zorvane::Telling::Kind::NewsFocused;
        QAccessibleEvent event(news ? board->News(telling.Index) : board->Cell(telling.Index),
                               news ? QAccessible::Focus : QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}
