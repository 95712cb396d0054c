// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <QObject>
#include <QString>

// The control of that name in a window, or an element of a control array by its index. A
// missing one ends the test program, naming it: no test could go on without it.
template <typename Control = QWidget> Control* Find(const QObject* window, const QString& name)
{
    auto* control = window->findChild<Control*>(name);
    if (control == nullptr) {
        qFatal("no %s named %s", Control::staticMetaObject.className(), qPrintable(name));
    }
    return control;
}
template <typename Control = QWidget>
Control* Find(const QObject* window, const QString& name, std::size_t index)
{
    return Find<Control>(window, name + QString::number(index));
}
