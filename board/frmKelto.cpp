// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/frmKelto.h"

#include "board/BannerLabel.h"
#include "board/BoardArea.h"
#include "board/BoardGeometry.h"
#include "board/Narration.h"
#include "board/RoundFlow.h"
#include "platform/BannerFont.h"
#include "platform/BoardGround.h"
#include "platform/LineControl.h"
#include "platform/MarkPicture.h"
#include "platform/ObjectName.h"
#include "platform/Pause.h"
#include "platform/Placement.h"
#include "platform/ProgramInfo.h"
#include "platform/ScreenPixels.h"
#include "platform/ScreenReaderShowing.h"
#include "platform/WaitCursor.h"
#include "results/frmResults.h"
#include "setup/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEnterEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSvgRenderer>
#include <QTimer>

#include <cmath>
#include <tuple>

using platform::Named;
using zorvane::Mark;
using zorvane::OverlayCount;
namespace geometry = zorvane::geometry;

namespace {

QPoint ToQt(geometry::Point point)
{
    return {point.X, point.Y};
}

LineControl* NewLineControl(const geometry::Segment& segment, QWidget* parent)
{
    return new LineControl(ToQt(segment.From), ToQt(segment.To), segment.Width, parent);
}

BannerLabel* Banner(const QString& text, QPoint at, qreal pointSize, QWidget* parent)
{
    auto* label = new BannerLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(platform::BannerFont(pointSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->move(at);
    label->adjustSize();
    label->hide();
    return label;
}

// The window gives its extents in the screen's pixels, as its board and the board's parts do:
// a screen reader's review leaves out what lies outside them.
QAccessibleInterface* WindowFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("frmKelto") && object->isWidgetType()) {
        return new platform::ScreenPixelsAccessible(static_cast<QWidget*>(object),
                                                    QAccessible::Window);
    }
    return nullptr;
}

} // namespace

frmKelto::frmKelto(zorvane::MatchRecord& record, zorvane::RandomSource& random,
                   std::function<void()> endProgram, PauseFunction pause)
    : Record(record), Random(random), EndProgram(std::move(endProgram)),
      Sleep(pause ? std::move(pause) : PauseFunction(platform::Sleep))
{
    static const bool factoryInstalled = (QAccessible::installFactory(WindowFactory), true);
    Q_UNUSED(factoryInstalled);
    setWindowTitle(QStringLiteral("Zorvane"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QIcon icon;
    for (const int size : {ZORVANE_ICON_SIZES}) {
        icon.addFile(QStringLiteral(":/resources/zorvane-%1.png").arg(size));
    }
    setWindowIcon(icon);
    CreateMenus();
    CreateBoard();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Precise: a coarse timer may stretch each half-second tick by up to 5 %.
    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmKelto::Timer1_Timer);
    // The watcher runs once on the next turn of the event loop after a round may have ended,
    // instead of waking the program every millisecond.
    Timer2 = Named(new QTimer(this), "Timer2");
    Timer2->setSingleShot(true);
    Timer2->setInterval(0);
    connect(Timer2, &QTimer::timeout, this, &frmKelto::Timer2_Timer);
}

frmKelto::~frmKelto() = default;

void frmKelto::CreateMenus()
{
    mnuGame = Named(menuBar()->addMenu(QStringLiteral("&Game")), "mnuGame");
    mnuGameNew = Named(mnuGame->addAction(QStringLiteral("&New Game")), "mnuGameNew");
    mnuGameNew->setShortcut(QKeySequence(Qt::Key_F2));
    mnuResults = Named(mnuGame->addAction(QStringLiteral("&Results")), "mnuResults");
    mnuGame->addSeparator();
    mnuGameExit = Named(mnuGame->addAction(QStringLiteral("E&xit")), "mnuGameExit");
    mnuHelp = Named(menuBar()->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuHelpAbout = Named(mnuHelp->addAction(QStringLiteral("&About...")), "mnuHelpAbout");

    connect(mnuGameNew, &QAction::triggered, this, &frmKelto::mnuGameNew_Click);
    connect(mnuResults, &QAction::triggered, this, &frmKelto::mnuResults_Click);
    connect(mnuGameExit, &QAction::triggered, this, &frmKelto::mnuGameExit_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmKelto::mnuHelpAbout_Click);
}

void frmKelto::CreateBoard()
{
    Client = Named(new BoardArea(State, Record, this), "Client");
    Client->setFixedSize(geometry::ClientWidth, geometry::ClientHeight);
    Client->setAutoFillBackground(true);
    Client->setAccessibleName(QStringLiteral("Board"));
    ApplyBoardGround();
    Client->setMouseTracking(true);
    Client->installEventFilter(this);
    setCentralWidget(Client);
    connect(Client, &BoardArea::CellActivated, this, &frmKelto::CellAction);

    for (std::size_t i = 0; i < geometry::GridRules.size(); ++i) {
        GridLines[i] = Named(NewLineControl(geometry::GridRules[i], Client), "Line", i + 1);
    }
    auto* o = new QSvgRenderer(QStringLiteral(":/resources/imgO.svg"), this);
    auto* x = new QSvgRenderer(QStringLiteral(":/resources/imgX.svg"), this);
    for (std::size_t cell = 0; cell < 9; ++cell) {
        const QPoint at = ToQt(geometry::MarkCorner(static_cast<int>(cell)));
        for (auto [pictures, svg, name] :
             {std::tuple{&imgO, o, "imgO"}, std::tuple{&imgX, x, "imgX"}}) {
            auto* picture = Named(new MarkPicture(svg, Client), name, cell);
            picture->setGeometry(QRect(at, QSize(geometry::MarkSize, geometry::MarkSize)));
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);
            picture->hide();
            (*pictures)[cell] = picture;
        }
    }
    QWidgetList pictures(imgO.begin(), imgO.end());
    pictures.append(QWidgetList(imgX.begin(), imgX.end()));
    Client->ReadThroughCells(pictures);
    // Created after the marks so that a winning line is drawn across them.
    for (std::size_t i = 0; i < OverlayCount; ++i) {
        const zorvane::Line& line = zorvane::LineTable[i];
        Overlays[i] = Named(NewLineControl(geometry::OverlayRules[i], Client), line.OverlayName);
        Overlays[i]->setAccessibleName(QStringLiteral("Winning line: ") +
                                       QLatin1String(line.Spoken));
        Overlays[i]->hide();
    }
    lblRound = Named(Banner(QStringLiteral("Next Round"),
                            {geometry::RoundBanner.X, geometry::RoundBanner.Y},
                            geometry::RoundBannerPoints, Client),
                     "lblRound");
    lblWin = Named(
        Banner(QStringLiteral("Win"), ToQt(geometry::VerdictAt), geometry::VerdictPoints, Client),
        "lblWin");
}

bool frmKelto::Form_Load()
{
    if (!ShowSetup()) {
        return false;
    }
    zorvane::StartFirstMatch(State, Record);
    ShowState();
    adjustSize();
    platform::CentreOnScreen(this);
    return true;
}

bool frmKelto::ShowSetup()
{
    if (Setup == nullptr) {
        Setup = new frmMain(Record, EndProgram, this);
    }
    return Setup->ShowModal();
}

void frmKelto::Form_Activate()
{
    zorvane::ActivateBoard(State);
    ShowState();
}

void frmKelto::Form_MouseMove(float x, float y)
{
    zorvane::MovePointer(State, x, y);
}

void frmKelto::Form_Click()
{
    PausedInClick = false;
    zorvane::Click(State, Record, *this, Random);
    ShowState();
    if (PausedInClick) {
        PausedInClick = false;
        platform::DropQueuedInput();
    }
}

void frmKelto::CellAction(int cell)
{
    // Dropped wherever a click with the mouse would be: under a modal dialog, which the window
    // system keeps clicks from, and under the hourglass's input drop. The rules drop the rest.
    if (QApplication::activeModalWidget() != nullptr || platform::DroppingInput()) {
        return;
    }
    const auto [x, y] = geometry::CellCentre(cell);
    PointerAt(QPointF(x, y));
    Form_Click();
}

void frmKelto::Timer1_Timer()
{
    zorvane::AnnounceTick(State, Record);
    RepaintNow();
}

void frmKelto::Timer2_Timer()
{
    zorvane::WatchOutcome(State);
    ShowState();
}

void frmKelto::mnuGameNew_Click()
{
    if (!ShowSetup()) {
        return;
    }
    zorvane::NewGame(State, Record);
    RepaintNow();
}

void frmKelto::mnuResults_Click()
{
    frmResults results(Record, this);
    platform::CentreOver(&results, this);
    results.exec();
}

void frmKelto::mnuGameExit_Click()
{
    close();
}

void frmKelto::mnuHelpAbout_Click()
{
    QMessageBox::information(this, windowTitle(),
                             windowTitle() + QStringLiteral("\r\n\r\n") +
                                 platform::CopyrightNotice());
}

void frmKelto::PointerAt(QPointF at)
{
    LastPointer = at;
    Form_MouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void frmKelto::ShowState()
{
    ShowMarks();
    for (std::size_t i = 0; i < OverlayCount; ++i) {
        Overlays[i]->setVisible(State.OverlayShown[i]);
    }
    // Shown from its first blink to the end of the announcement, lit at every other tick.
    lblRound->SetLit(State.RoundBannerShown);
    lblRound->setVisible(State.RoundBannerShown || (State.Timer1Enabled && lblRound->isVisible()));
    if (State.VerdictShown) {
        ShowVerdict(QString::fromStdString(State.VerdictText));
    }
    lblWin->setVisible(State.VerdictShown);
    mnuGame->setEnabled(State.MenusEnabled);
    mnuHelp->setEnabled(State.MenusEnabled);
    RunTimers();
    Client->Refresh();
    // Read as the window becomes active.
    const QString where = QString::fromStdString(zorvane::WindowDescription(State, Record));
    if (accessibleDescription() != where) {
        setAccessibleDescription(where);
    }
}

void frmKelto::ShowMarks()
{
    for (std::size_t cell = 0; cell < 9; ++cell) {
        for (auto [picture, mark] :
             {std::pair{imgO[cell], Mark::O}, std::pair{imgX[cell], Mark::X}}) {
            // A screen reader reads the mark through its cell (BoardArea), not the picture.
            picture->setVisible(State.Marks[cell] == mark);
        }
    }
}

// Centred on the board, laid out again only when its text changes or it reappears.
void frmKelto::ShowVerdict(const QString& verdict)
{
    if (lblWin->text() == verdict && !lblWin->isHidden()) {
        return;
    }
    lblWin->setText(verdict);
    lblWin->adjustSize();
    const double left = (Client->width() - lblWin->width()) / 2.0;
    const double top = (Client->height() - lblWin->height()) / 2.0;
    lblWin->move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

void frmKelto::RunTimers()
{
    // Enabling a running Timer1 keeps its rhythm: it is only started when stopped.
    if (State.Timer1Enabled && !Timer1->isActive()) {
        Timer1->start();
    } else if (!State.Timer1Enabled && Timer1->isActive()) {
        Timer1->stop();
    }
    if (zorvane::WatcherDue(State)) {
        Timer2->start();
    }
}

void frmKelto::ApplyBoardGround()
{
    QPalette ground = Client->palette();
    ground.setColor(QPalette::Window, platform::BoardGround(palette().color(QPalette::Window)));
    Client->setPalette(ground);
}

void frmKelto::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && Client != nullptr) {
        ApplyBoardGround();
    }
    QMainWindow::changeEvent(event);
}

void frmKelto::RepaintNow()
{
    ShowState();
    // The client area itself: it fills its own ground, and a repaint of the main window alone
    // leaves its newly shown marks to the next turn of the event loop.
    Client->repaint();
    platform::FinishDrawing();
}

void frmKelto::SetWaitCursor(bool waiting)
{
    platform::SetWaitCursor(waiting);
}

void frmKelto::Pause(std::chrono::milliseconds length)
{
    PausedInClick = true;
    Sleep(length);
}

bool frmKelto::event(QEvent* event)
{
    // Showing counts as activation too: a window manager may keep a new window inactive,
    // and the round flow must not depend on it.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        Form_Activate();
    }
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        platform::ShowAnewToScreenReaders(this);
    }
    return QMainWindow::event(event);
}

bool frmKelto::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Client) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto type = event->type();
    if (type == QEvent::Enter) {
        PointerAt(static_cast<QEnterEvent*>(event)->position());
        return false;
    }
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseMove) {
        PointerAt(mouse->position());
    } else if (type != QEvent::MouseButtonRelease) {
        // A dialog or menu that closed over a still pointer brought no move: a press anywhere
        // but the last recorded place is the pointer having moved there.
        if (mouse->position() != LastPointer) {
            PointerAt(mouse->position());
        }
        PressedOnClient = mouse->button() == Qt::LeftButton;
    } else if (mouse->button() == Qt::LeftButton && PressedOnClient &&
               Client->rect().contains(mouse->position().toPoint())) {
        // A click is a left press and release, both on the client area.
        PressedOnClient = false;
        Form_Click();
    }
    return true;
}

void frmKelto::closeEvent(QCloseEvent* event)
{
    // Form_Unload: every way of closing the board ends the program, without a question.
    event->accept();
    EndProgram();
}
