// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// Each control carries its given name as its object name, which is how the tests find it.

#include <QString>

#include <cstddef>

namespace platform {

// A control by its name; a member of a control array by its name and index.
template <typename Control> Control* Named(Control* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}
template <typename Control> Control* Named(Control* control, const char* name, std::size_t index)
{
    control->setObjectName(QLatin1String(name) + QString::number(index));
    return control;
}

} // namespace platform
