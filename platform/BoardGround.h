// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The board's own ground under any theme, and the contrast maths that decides it.

#include <QColor>

namespace platform {

// Contrast ratio of two colours, from 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& one, const QColor& two);

// The ground for black drawing and red text: the theme's window colour where both read well
// on it (7:1 and 3:1), else a light grey of our own.
QColor BoardGround(const QColor& themeWindow);

} // namespace platform
