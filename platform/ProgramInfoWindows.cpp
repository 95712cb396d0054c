// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/ProgramInfo.h"

#include <qt_windows.h>

#include <vector>

namespace platform {

// The running program's own version resource, as Explorer shows it under Details.
QString CopyrightNotice()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return {};
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<char> information(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, information.data())) {
        return {};
    }
    struct Translation {
        WORD Language;
        WORD CodePage;
    };
    Translation* translations = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueW(information.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &bytes) ||
        bytes < sizeof(Translation)) {
        return {};
    }
    const QString key = QStringLiteral("\\StringFileInfo\\%1%2\\LegalCopyright")
                            .arg(translations->Language, 4, 16, QLatin1Char('0'))
                            .arg(translations->CodePage, 4, 16, QLatin1Char('0'));
    wchar_t* text = nullptr;
    UINT characters = 0;
    if (!VerQueryValueW(information.data(), reinterpret_cast<const wchar_t*>(key.utf16()),
                        reinterpret_cast<void**>(&text), &characters) ||
        characters == 0) {
        return {};
    }
    // The count includes the terminating null.
    return QString::fromWCharArray(text, static_cast<int>(characters) - 1);
}

} // namespace platform
