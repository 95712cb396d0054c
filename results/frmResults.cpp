// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "results/frmResults.h"

#include "platform/LineControl.h"
#include "platform/ObjectName.h"
#include "results/ResultsTable.h"

#include <QLabel>
#include <QPushButton>

#include <tuple>

using platform::Named;

namespace {

QLabel* Cell(const QString& text, QPoint at, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->move(at);
    label->adjustSize();
    return label;
}

void SetCaption(QLabel* label, const std::string& text)
{
    label->setText(QString::fromStdString(text));
    label->adjustSize();
}

} // namespace

frmResults::frmResults(const zorvane::MatchRecord& record, QWidget* owner)
    : QDialog(owner), Record(record)
{
    setWindowTitle(QStringLiteral("Zorvane"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(241, 261);

    lblPlayer1 = Named(Cell(QStringLiteral("Player 1"), {40, 16}, this), "lblPlayer1");
    lblPlayer2 = Named(Cell(QStringLiteral("Player 2"), {160, 16}, this), "lblPlayer2");
    Line2 = Named(new LineControl({8, 37}, {233, 37}, 1, this), "Line2");
    Line1 = Named(new LineControl({120, 8}, {120, 208}, 1, this), "Line1");
    lblS1.push_back(Named(Cell(QStringLiteral("0"), {56, zorvane::FirstRowTop}, this), "lblS1", 0));
    lblS2.push_back(
        Named(Cell(QStringLiteral("0"), {176, zorvane::FirstRowTop}, this), "lblS2", 0));
    lblS1[0]->hide();
    lblS2[0]->hide();
    Line3 = Named(new LineControl({8, 176}, {232, 176}, 1, this), "Line3");
    lblR1 = Named(Cell(QStringLiteral("0"), {56, 192}, this), "lblR1");
    lblR2 = Named(Cell(QStringLiteral("0"), {176, 192}, this), "lblR2");
    Command1 = Named(new QPushButton(QStringLiteral("Cancel"), this), "Command1");
    Command1->setGeometry(48, 224, 145, 25);
    Command1->setDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &frmResults::Command1_Click);

    Form_Load();
}

QLabel* frmResults::Element(std::vector<QLabel*>& cells, const char* name, std::size_t k)
{
    // Element 0 exists from the start; later ones are copies of it, hidden when created.
    while (cells.size() <= k) {
        QLabel* model = cells.front();
        QLabel* copy = Cell(model->text(), model->pos(), this);
        Named(copy, name, cells.size());
        copy->setFont(model->font());
        copy->setAlignment(model->alignment());
        copy->hide();
        // Before the totals in the order of children, so that a screen reader reads the rows
        // in order.
        copy->stackUnder(Line3);
        cells.push_back(copy);
    }
    return cells[k];
}

void frmResults::Form_Load()
{
    const zorvane::ResultsTable table = zorvane::BuildResultsTable(Record);
    SetCaption(lblPlayer1, table.HeadingOne);
    SetCaption(lblPlayer2, table.HeadingTwo);
    for (std::size_t i = 0; i < table.Rows.size(); ++i) {
        for (auto [cells, name, text] : {std::tuple{&lblS1, "lblS1", &table.Rows[i].PointsOne},
                                         std::tuple{&lblS2, "lblS2", &table.Rows[i].PointsTwo}}) {
            QLabel* cell = Element(*cells, name, i);
            cell->show();
            SetCaption(cell, *text);
        }
    }
    ArrangeRows();
    SetCaption(lblR1, table.TotalOne);
    SetCaption(lblR2, table.TotalTwo);
    // A screen reader reads a row as "Round 1: Ann 1, Bob 0": a number alone says neither its
    // round nor whose it is.
    const QString one = QString::fromStdString(table.HeadingOne) + QLatin1Char(' ');
    const QString two = QString::fromStdString(table.HeadingTwo) + QLatin1Char(' ');
    for (std::size_t i = 0; i < table.Rows.size(); ++i) {
        lblS1[i]->setAccessibleName(QStringLiteral("Round %1: ").arg(i + 1) + one +
                                    lblS1[i]->text() + QLatin1Char(','));
        lblS2[i]->setAccessibleName(two + lblS2[i]->text());
    }
    lblR1->setAccessibleName(QStringLiteral("Total: ") + one + lblR1->text() + QLatin1Char(','));
    lblR2->setAccessibleName(two + lblR2->text());
}

void frmResults::ArrangeRows()
{
    for (std::vector<QLabel*>* cells : {&lblS1, &lblS2}) {
        // Rows of rounds not yet scored have no element; their steps are left out.
        for (std::size_t k = 1; k < cells->size(); ++k) {
            const QLabel* above = (*cells)[k - 1];
            (*cells)[k]->move(cells->front()->x(), above->y() + zorvane::RowStep);
        }
    }
}

void frmResults::Command1_Click()
{
    close();
}
