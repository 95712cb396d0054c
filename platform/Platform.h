#pragma once

// The few platform services the windows need, realised with Qt and the standard library.

#include <QColor>
#include <QFont>
#include <QString>

#include <chrono>

namespace platform {

// The colour standing for an entry of the system colour table (5: text-entry background,
// 19: inactive caption text).
QColor SystemColour(int index);

// Blocks the user-interface thread.
void Sleep(std::chrono::milliseconds length);

// The application-wide hourglass pointer.
void SetWaitCursor(bool waiting);

// Delivers and discards the input queued while the thread was blocked, so that a click made
// under the hourglass is not replayed once it is gone. Pointer moves still get through.
void DiscardQueuedInput();

// Makes Tahoma available for the banners: installed fonts first, then Wine's free Tahoma.
void LoadBannerFonts();
// Tahoma bold italic, loading it first if needed; the platform's sans-serif where it is missing.
QFont BannerFont(qreal pointSize);

// From the program's version information.
QString CopyrightNotice();

// Ends the program: every event loop returns and no further handler runs.
void EndProgram();

// Guards the creation of the application object: without a display, prints one line and
// exits non-zero instead of Qt's abort.
class DisplayGuard {
  public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace platform
