// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "match/MatchRecord.h"
#include "setup/SetupChoice.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class TextBox;

// The setup dialog: playing style and names. Hidden by OK, never destroyed, so its texts and
// option survive to the next showing. Each control carries its name as its object name.
class frmMain final : public QDialog {
    Q_OBJECT

  public:
    frmMain(zorvane::MatchRecord& record, std::function<void()> endProgram, QWidget* owner);

    // Modal; true after OK. Exit or closing the dialog ends the program instead.
    bool ShowModal();

    void Form_Activate();
    void optOne_Click();
    void optTwo_Click();
    void txtOne_GotFocus();
    void txtPlayer1_GotFocus();
    void txtPlayer2_GotFocus();
    void cmdOK_Click();
    void cmdExit_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    [[nodiscard]] zorvane::PlayingStyle Style() const;
    [[nodiscard]] TextBox* Box(zorvane::NameBox box) const;
    void ApplyStyle(zorvane::PlayingStyle style);

    zorvane::MatchRecord& Record;
    std::function<void()> EndProgram;
    bool ShownBefore = false;

    QRadioButton* optOne = nullptr;
    QRadioButton* optTwo = nullptr;
    QLabel* lblOne = nullptr;
    QLabel* lblComp = nullptr;
    QLabel* lblPlayer1 = nullptr;
    QLabel* lblPlayer2 = nullptr;
    TextBox* txtOne = nullptr;
    TextBox* txtPlayer1 = nullptr;
    TextBox* txtPlayer2 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdExit = nullptr;
};
