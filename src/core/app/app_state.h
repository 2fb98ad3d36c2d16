#pragma once

#include <QString>

// State that the whole program shares while it runs. It lives outside any window because
// entry windows, member entry and the main window all read and change it.
struct AppState
{
    // 1 once financial or member data changed without being offered for backup.
    static inline int DataChanged = 0;
    // The manual heading the help viewer looks for; empty while the viewer is closed.
    static inline QString HelpHeading;
    // Set when another copy of the program was running at start-up.
    static inline bool SecondInstance = false;
    // The main window's year box: printed in the titles of the year reports.
    static inline QString ReportYear;
    // The default mail account found on this system (SMTP server, sender address).
    static inline QString DefaultSmtpServer;
    static inline QString DefaultSenderAddress;
};
