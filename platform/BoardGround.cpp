// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/BoardGround.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

double Luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& one, const QColor& two)
{
    const double a = Luminance(one);
    const double b = Luminance(two);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor BoardGround(const QColor& themeWindow)
{
    if (ContrastRatio(themeWindow, Qt::black) >= 7.0 &&
        ContrastRatio(themeWindow, QColor(255, 0, 0)) >= 3.0) {
        return themeWindow;
    }
    return {0xf0, 0xf0, 0xf0};
}

} // namespace platform
