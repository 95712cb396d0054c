// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The control of that name in a window. A missing one ends the test program, naming it: the
// test could not go on without it.
template <typename Control = QWidget> Control* Find(const QObject* window, const QString& name)
{
    auto* control = window->findChild<Control*>(name);
    if (control == nullptr) {
        qFatal("%s has no %s named %s", qPrintable(window->objectName()),
               Control::staticMetaObject.className(), qPrintable(name));
    }
    return control;
}

// An element of a control array: imgO0, lblS12, ...
template <typename Control = QWidget>
Control* Find(const QObject* window, const QString& name, std::size_t index)
{
    return Find<Control>(window, name + QString::number(index));
}
