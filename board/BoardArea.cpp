// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/BoardArea.h"

#include "board/BoardGeometry.h"
#include "match/Flags.h"
#include "platform/MarkPicture.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

namespace geometry = zorvane::geometry;

namespace {

constexpr std::array<const char*, 9> Places{"top left",    "top centre",    "top right",
                                            "middle left", "centre",        "middle right",
                                            "bottom left", "bottom centre", "bottom right"};

// The band of a cell on each axis, the area a click plays it from.
QRect CellBand(int cell)
{
    return {geometry::GridOrigin + geometry::BandWidth * (cell % 3),
            geometry::GridOrigin + geometry::BandWidth * (cell / 3), geometry::BandWidth,
            geometry::BandWidth};
}

// A cell has no widget of its own: the board's interface owns it.
class CellAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CellAccessible(BoardArea* area, int cell) : Area(area), Cell(cell) {}

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
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && Area ? Area->CellName(Cell) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    [[nodiscard]] QRect rect() const override
    {
        if (!Area) {
            return {};
        }
        const QRect band = CellBand(Cell);
        return {Area->mapToGlobal(band.topLeft()), band.size()};
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
            Area->ClickCell(Cell);
        }
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<BoardArea> Area;
    int Cell;
};

class BoardAccessible final : public QAccessibleWidget {
  public:
    explicit BoardAccessible(BoardArea* area) : QAccessibleWidget(area, QAccessible::Grouping)
    {
        for (int cell = 0; cell < 9; ++cell) {
            auto* accessible = new CellAccessible(area, cell);
            QAccessible::registerAccessibleInterface(accessible);
            Cells[static_cast<std::size_t>(cell)] = accessible;
        }
    }
    ~BoardAccessible() override
    {
        for (QAccessibleInterface* cell : Cells) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
        }
    }
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description) {
            return static_cast<const BoardArea*>(widget())->TurnText();
        }
        return QAccessibleWidget::text(kind);
    }
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

  private:
    // The rules, winning lines and banners; the marks are read through the cells.
    [[nodiscard]] QWidgetList Others() const
    {
        QWidgetList others;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control != nullptr && !control->isWindow() &&
                dynamic_cast<MarkPicture*>(control) == nullptr) {
                others << control;
            }
        }
        return others;
    }

    std::array<QAccessibleInterface*, 9> Cells{};
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

QString BoardArea::CellName(int cell) const
{
    const zorvane::Mark mark = State.Marks[static_cast<std::size_t>(cell)];
    const char* on = mark == zorvane::Mark::O ? "O" : mark == zorvane::Mark::X ? "X" : "empty";
    return QLatin1String(Places[static_cast<std::size_t>(cell)]) + QLatin1String(", ") +
           QLatin1String(on);
}

QString BoardArea::TurnText() const
{
    if (Record.OnePlayerMode != zorvane::FlagFalse || State.VerdictShown ||
        State.RoundOutcome != zorvane::OutcomeInPlay) {
        return {};
    }
    const bool first = State.Turn == 0;
    return QString::fromStdString(first ? Record.PlayerOneName : Record.PlayerTwoName) +
           QLatin1String(first ? " (O) to move" : " (X) to move");
}

void BoardArea::Refresh()
{
    const QString turn = TurnText();
    if (State.Marks == Told && turn == ToldTurn) {
        return;
    }
    // Asking for the interface creates it: only worth it while a screen reader listens.
    auto* board = QAccessible::isActive()
                      ? static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(this))
                      : nullptr;
    for (std::size_t cell = 0; cell < Told.size(); ++cell) {
        if (State.Marks[cell] != Told[cell] && board != nullptr) {
            QAccessibleEvent event(board->Cell(static_cast<int>(cell)), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
    Told = State.Marks;
    if (turn != ToldTurn) {
        ToldTurn = turn;
        if (board != nullptr) {
            QAccessibleEvent event(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void BoardArea::ClickCell(int cell)
{
    // A window under a modal dialog gets no clicks from the window system; sent events would
    // pass, so they are held back here.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != window()) {
        return;
    }
    const auto [x, y] = geometry::CellCentre(cell);
    const QPointF centre(x, y);
    const QPointF global = mapToGlobal(centre);
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, centre, global, button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &event);
    };
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
}
