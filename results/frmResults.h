// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "match/MatchRecord.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class LineControl;

// The results dialog: the points of every scored round and the totals. Built from the record
// at each opening and discarded when closed. Each control carries its name as its object name;
// the elements of the row arrays are lblS10, lblS11, ... and lblS20, lblS21, ...
class frmResults final : public QDialog {
    Q_OBJECT

  public:
    frmResults(const zorvane::MatchRecord& record, QWidget* owner);

    void Form_Load();
    void Command1_Click();

  private:
    void ArrangeRows();
    QLabel* Element(std::vector<QLabel*>& cells, const char* name, std::size_t k);

    const zorvane::MatchRecord& Record;

    QLabel* lblPlayer1 = nullptr;
    QLabel* lblPlayer2 = nullptr;
    std::vector<QLabel*> lblS1; // element k: round k + 1; element 0 is the template
    std::vector<QLabel*> lblS2;
    QLabel* lblR1 = nullptr;
    QLabel* lblR2 = nullptr;
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    LineControl* Line3 = nullptr;
    QPushButton* Command1 = nullptr;
};
