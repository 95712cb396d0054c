// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/BoardState.h"
#include "board/Round.h"
#include "match/MatchRecord.h"

#include <QMainWindow>
#include <QPointF>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class BannerLabel;
class BoardArea;
class LineControl;
class frmMain;

// The board window: applies the board's rules to its controls.
class frmKelto final : public QMainWindow, private zorvane::MoveHost {
    Q_OBJECT

  public:
    // Blocks the thread for the computer's pause; tests that play thousands of moves hand in
    // one that returns at once. None is the real pause.
    using PauseFunction = std::function<void(std::chrono::milliseconds)>;

    frmKelto(zorvane::MatchRecord& record, zorvane::RandomSource& random,
             std::function<void()> endProgram, PauseFunction pause = {});
    ~frmKelto() override;

    // Shows the setup dialog and prepares the first match. False when the user ended the
    // program in the dialog instead.
    bool Form_Load();

    void Form_Activate();
    void Form_MouseMove(float x, float y);
    void Form_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void mnuGameNew_Click();
    void mnuResults_Click();
    void mnuGameExit_Click();
    void mnuHelpAbout_Click();

    [[nodiscard]] const zorvane::BoardState& Board() const { return State; }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void CreateMenus();
    void CreateBoard();
    // Brings the controls into line with the board's state.
    void ShowState();
    void ShowMarks();
    void ShowVerdict(const QString& verdict);
    void RunTimers();
    bool ShowSetup();
    void PointerAt(QPointF at);
    // A screen reader's click on a cell: the pointer there, then the click.
    void CellAction(int cell);
    // The board keeps a light ground of its own under dark themes: its drawing is black and red.
    void ApplyBoardGround();

    void RepaintNow() override;
    void SetWaitCursor(bool waiting) override;
    void Pause(std::chrono::milliseconds length) override;

    zorvane::MatchRecord& Record;
    zorvane::RandomSource& Random;
    std::function<void()> EndProgram;
    PauseFunction Sleep;
    zorvane::BoardState State;

    BoardArea* Client = nullptr;
    std::array<QLabel*, 9> imgO{};
    std::array<QLabel*, 9> imgX{};
    std::array<LineControl*, 4> GridLines{};                    // Line1..Line4
    std::array<LineControl*, zorvane::OverlayCount> Overlays{}; // l1..l6, lL, lR
    BannerLabel* lblRound = nullptr;
    BannerLabel* lblWin = nullptr;
    QMenu* mnuGame = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuGameNew = nullptr;
    QAction* mnuResults = nullptr;
    QAction* mnuGameExit = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    frmMain* Setup = nullptr;

    QPointF LastPointer{-1, -1};
    bool PressedOnClient = false;
    bool PausedInClick = false;
};
