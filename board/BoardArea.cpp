// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/BoardArea.h"

#include "board/BoardGeometry.h"
#include "match/Flags.h"
#include "platform/MarkPicture.h"
#include "platform/ScreenPixels.h"

#include <QApplication>
#include <QMouseEvent>
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

// What a screen reader reads as a mark is placed, with the line it completed or whose turn it
// is; in one-player mode with the computer's answer; and as the board clears, the new round and
// whose turn it is. It takes the focus, in turn one of two of these, since a screen reader reads
// a focus change only to another object: not the cell, which a screen reader that clicked it may
// have made its focus already.
// - Nothing on the screen: it lies far above and left of every screen, as the web's text for
//   screen readers alone does; a reader's review lists an object of no size as one it cannot
//   place.
// - A paragraph, not a label: readers read the board's unrelated labels with the board as the
//   focus enters it, which would say the news twice.
// - Not focusable by keys, so not read as a read-only text box.
class NewsAccessible final : public PartAccessible {
  public:
    NewsAccessible(BoardArea* area, int slot) : PartAccessible(area), Slot(slot) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && Area ? Area->NewsText(Slot) : QString();
    }
    [[nodiscard]] QRect rect() const override { return {-32000, -32000, 1, 1}; }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Paragraph; }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !Area || !Area->isVisible() || Area->NewsText(Slot).isEmpty();
        state.focused = Area && Area->Focused() == Slot && Area->isActiveWindow();
        return state;
    }

  private:
    int Slot;
};

class CellAccessible final : public PartAccessible, public QAccessibleActionInterface {
  public:
    CellAccessible(BoardArea* area, int cell) : PartAccessible(area), Cell(cell) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (!Area) {
            return {};
        }
        if (kind == QAccessible::Name) {
            return Area->CellName(Cell);
        }
        return {};
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
            Area->ClickCell(Cell);
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
        for (int slot = 0; slot < BoardArea::NewsSlots; ++slot) {
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
    [[nodiscard]] const BoardArea* Area() const { return static_cast<const BoardArea*>(widget()); }
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

    // The nine cells, then the news of the last two moves.
    std::array<QAccessibleInterface*, 9 + BoardArea::NewsSlots> Cells{};
    std::array<QAccessible::Id, 9 + BoardArea::NewsSlots> Ids{};
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
    return QLatin1String(zorvane::CellPlaces[static_cast<std::size_t>(cell)]) +
           QLatin1String(", ") + QLatin1String(on);
}

QString BoardArea::LineText(int cell) const
{
    for (const zorvane::Line& line : zorvane::LineTable) {
        if (State.Shows(line.Shows) &&
            std::find(line.Cells.begin(), line.Cells.end(), cell) != line.Cells.end()) {
            const bool first = State.Marks[static_cast<std::size_t>(cell)] == zorvane::Mark::O;
            return QLatin1String("Winning line: ") + QLatin1String(line.Spoken) +
                   QLatin1String(". ") +
                   QString::fromStdString(first ? Record.PlayerOneName : Record.PlayerTwoName) +
                   QLatin1String(" takes the round.");
        }
    }
    return {};
}

QString BoardArea::TurnText() const
{
    return Record.OnePlayerMode == zorvane::FlagFalse ? Mover() : QString();
}

QString BoardArea::Mover() const
{
    if (State.VerdictShown || State.RoundOutcome != zorvane::OutcomeInPlay) {
        return {};
    }
    const bool first = State.Turn == 0;
    return QString::fromStdString(first ? Record.PlayerOneName : Record.PlayerTwoName) +
           QLatin1String(first ? " (O) to move" : " (X) to move");
}

QString BoardArea::Summary() const
{
    // Who won is the verdict banner's to tell: a screen reader reads a change of the window's
    // description, which holds this, while the window is active as well.
    if (State.VerdictShown) {
        return QStringLiteral("Match over.");
    }
    const auto round = std::min(Record.RoundIndex + (State.RoundOutcome == zorvane::OutcomeInPlay),
                                zorvane::RoundsPerMatch);
    const QString turn = Mover();
    return QStringLiteral("Round %1 of %2.").arg(round).arg(zorvane::RoundsPerMatch) +
           (turn.isEmpty() ? QString() : QLatin1Char(' ') + turn + QLatin1Char('.'));
}

void BoardArea::Refresh()
{
    if (State.Marks == Told && Unsaid < 0) {
        return;
    }
    // Asking for the interface creates it: only worth it while a screen reader listens.
    auto* board = QAccessible::isActive()
                      ? static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(this))
                      : nullptr;
    bool cleared = false;
    for (std::size_t cell = 0; cell < Told.size(); ++cell) {
        cleared = cleared ||
                  (Told[cell] != zorvane::Mark::None && State.Marks[cell] == zorvane::Mark::None);
    }
    if (cleared) {
        NewsTexts = {};
        Unsaid = -1;
        Tell(Summary());
    }
    for (std::size_t cell = 0; cell < Told.size(); ++cell) {
        if (State.Marks[cell] != Told[cell] && board != nullptr) {
            QAccessibleEvent event(board->Cell(static_cast<int>(cell)), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
    // The player's new mark, and the computer's answer to it.
    int answer = -1;
    for (std::size_t cell = 0; cell < Told.size(); ++cell) {
        if (State.Marks[cell] != zorvane::Mark::None && Told[cell] == zorvane::Mark::None) {
            const bool computer =
                Record.OnePlayerMode != zorvane::FlagFalse && State.Marks[cell] == zorvane::Mark::X;
            (computer ? answer : Unsaid) = static_cast<int>(cell);
        }
    }
    // In one-player mode the mark is told with the answer, once the computer has made it after
    // its pause, or once the round has ended without one: a screen reader cuts what it is
    // saying short for what comes next.
    const bool awaitingAnswer = Record.OnePlayerMode != zorvane::FlagFalse && answer < 0 &&
                                State.RoundOutcome == zorvane::OutcomeInPlay;
    if (Unsaid >= 0 && !awaitingAnswer) {
        QString news = CellName(Unsaid);
        if (answer >= 0) {
            news += QLatin1String(", then ") + CellName(answer);
        }
        const QString line = LineText(answer >= 0 ? answer : Unsaid);
        const QString more = line.isEmpty() ? TurnText() : line;
        if (!more.isEmpty()) {
            news += QLatin1String(". ") + more;
        }
        Unsaid = -1;
        Tell(news);
    }
    Told = State.Marks;
}

void BoardArea::Tell(const QString& news)
{
    const int slot = FocusSlot == 0 ? 1 : 0;
    NewsTexts[static_cast<std::size_t>(slot)] = news;
    FocusSlot = slot;
    if (QAccessible::isActive()) {
        auto* board = static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(this));
        QAccessibleEvent event(board->News(slot), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
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
