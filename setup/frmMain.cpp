// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "setup/frmMain.h"

#include "platform/ObjectName.h"
#include "platform/Placement.h"
#include "platform/ThemeColours.h"
#include "setup/TextBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>

#include <algorithm>

using zorvane::NameBox;
using zorvane::NameBoxState;
using zorvane::PlayingStyle;
using zorvane::SystemColour;

namespace {

// Makes a control with its caption at its given spot and size; it grows only where the
// toolkit's default font needs more room than the given size.
template <typename Control>
Control* Place(QWidget* parent, const char* name, const char* text, QRect given, bool growWidth)
{
    auto* control = platform::Named(new Control(QString::fromUtf8(text), parent), name);
    const QSize hint = control->sizeHint();
    const int width = growWidth ? std::max(given.width(), hint.width()) : given.width();
    control->setGeometry(given.left(), given.top(), width,
                         std::max(given.height(), control->minimumSizeHint().height()));
    return control;
}

QLabel* Caption(QWidget* parent, const char* name, const char* text, int left, int top)
{
    auto* label = platform::Named(new QLabel(QString::fromUtf8(text), parent), name);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void SetColour(TextBox* box, SystemColour entry)
{
    QPalette palette = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, platform::Colour(entry));
    }
    box->setPalette(palette);
}

void SelectAll(TextBox* box)
{
    box->setSelection(0, static_cast<int>(box->text().length()));
}

} // namespace

frmMain::frmMain(zorvane::MatchRecord& record, std::function<void()> endProgram, QWidget* owner)
    : QDialog(owner), Record(record), EndProgram(std::move(endProgram))
{
    setWindowTitle(QStringLiteral("Choose your playing style"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(307, 262);

    optOne = Place<QRadioButton>(this, "optOne", "&One Player", {16, 16, 73, 13}, true);
    lblOne = Caption(this, "lblOne", "Player1 (O)", 40, 40);
    lblComp = Caption(this, "lblComp", "Computer (X)", 176, 40);
    txtOne = Place<TextBox>(this, "txtOne", "Player1", {40, 72, 249, 19}, false);
    optTwo = Place<QRadioButton>(this, "optTwo", "&Two Players", {16, 112, 81, 13}, true);
    lblPlayer1 = Caption(this, "lblPlayer1", "Player 1 (O)", 40, 144);
    lblPlayer2 = Caption(this, "lblPlayer2", "Player 2 (X)", 176, 144);
    txtPlayer1 = Place<TextBox>(this, "txtPlayer1", "Player1", {40, 176, 113, 19}, false);
    txtPlayer2 = Place<TextBox>(this, "txtPlayer2", "Player2", {176, 176, 113, 19}, false);
    cmdOK = Place<QPushButton>(this, "cmdOK", "&OK", {40, 224, 81, 25}, false);
    cmdExit = Place<QPushButton>(this, "cmdExit", "E&xit", {176, 224, 81, 25}, false);
    optOne->setChecked(true);
    cmdOK->setDefault(true);
    for (TextBox* box : {txtOne, txtPlayer1, txtPlayer2}) {
        SetColour(box, SystemColour::EntryBackground);
    }
    setTabOrder(optOne, txtOne);
    setTabOrder(txtOne, optTwo);
    setTabOrder(optTwo, txtPlayer1);
    setTabOrder(txtPlayer1, txtPlayer2);
    setTabOrder(txtPlayer2, cmdOK);
    setTabOrder(cmdOK, cmdExit);

    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(optOne), static_cast<QAbstractButton*>(optTwo),
          static_cast<QAbstractButton*>(cmdOK), static_cast<QAbstractButton*>(cmdExit)}) {
        button->installEventFilter(this);
    }
    // A screen reader names each box by its caption, and describes it by its style: choosing a
    // style by arrow key moves the focus on into its box, so that is what is read.
    lblOne->setBuddy(txtOne);
    lblPlayer1->setBuddy(txtPlayer1);
    lblPlayer2->setBuddy(txtPlayer2);
    txtOne->setAccessibleDescription(QStringLiteral("One Player"));
    for (TextBox* box : {txtPlayer1, txtPlayer2}) {
        box->setAccessibleDescription(QStringLiteral("Two Players"));
    }

    connect(optOne, &QRadioButton::clicked, this, &frmMain::optOne_Click);
    connect(optTwo, &QRadioButton::clicked, this, &frmMain::optTwo_Click);
    connect(txtOne, &TextBox::GotFocus, this, &frmMain::txtOne_GotFocus);
    connect(txtPlayer1, &TextBox::GotFocus, this, &frmMain::txtPlayer1_GotFocus);
    connect(txtPlayer2, &TextBox::GotFocus, this, &frmMain::txtPlayer2_GotFocus);
    connect(cmdOK, &QPushButton::clicked, this, &frmMain::cmdOK_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
}

bool frmMain::ShowModal()
{
    if (!ShownBefore) {
        ShownBefore = true;
        platform::CentreOnScreen(this);
    }
    return exec() == QDialog::Accepted;
}

PlayingStyle frmMain::Style() const
{
    return optOne->isChecked() ? PlayingStyle::OnePlayer : PlayingStyle::TwoPlayers;
}

TextBox* frmMain::Box(NameBox box) const
{
    switch (box) {
    case NameBox::One:
        return txtOne;
    case NameBox::Player1:
        return txtPlayer1;
    case NameBox::Player2:
        break;
    }
    return txtPlayer2;
}

void frmMain::ApplyStyle(PlayingStyle style)
{
    const zorvane::NameBoxStates states = zorvane::BoxStates(style);
    const std::pair<TextBox*, NameBoxState> boxes[] = {
        {txtOne, states.One}, {txtPlayer1, states.Player1}, {txtPlayer2, states.Player2}};
    // Enable first so that the focus can move into the style's first box.
    for (const auto& [box, state] : boxes) {
        if (state.Enabled) {
            box->setEnabled(true);
        }
    }
    Box(states.Focus)->TakeFocus();
    for (const auto& [box, state] : boxes) {
        SetColour(box, state.Colour);
        if (!state.Enabled) {
            box->setEnabled(false);
        }
    }
}

void frmMain::Form_Activate()
{
    ApplyStyle(Style());
}

void frmMain::optOne_Click()
{
    ApplyStyle(PlayingStyle::OnePlayer);
}

void frmMain::optTwo_Click()
{
    ApplyStyle(PlayingStyle::TwoPlayers);
}

void frmMain::txtOne_GotFocus()
{
    SelectAll(txtOne);
}

void frmMain::txtPlayer1_GotFocus()
{
    SelectAll(txtPlayer1);
}

void frmMain::txtPlayer2_GotFocus()
{
    SelectAll(txtPlayer2);
}

void frmMain::cmdOK_Click()
{
    zorvane::Accept(Record, Style(), txtOne->text().toStdString(), txtPlayer1->text().toStdString(),
                    txtPlayer2->text().toStdString());
    accept();
}

void frmMain::cmdExit_Click()
{
    EndProgram();
    reject();
}

void frmMain::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Form_Unload: closing the dialog ends the program; the close is never refused.
    event->accept();
    EndProgram();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr) {
        return QDialog::eventFilter(watched, event);
    }
    // Qt's access keys click a button a tenth of a second later, so keys typed right after one
    // would act before it. Here they act at once, in the order they were typed; an access key
    // that two controls share still moves the focus between them as Qt does.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        button->click();
        return true;
    }
    // Qt's own arrow-key navigation clicks the next option and then focuses it, which takes
    // the focus back out of the name box that the option's handler moved it to. Two options
    // make one group, so any arrow selects the other one.
    if ((button == optOne || button == optTwo) && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            (button == optOne ? optTwo : optOne)->click();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // No cancel button: Escape does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
