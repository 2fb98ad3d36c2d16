#pragma once

#include <QString>

// The SMTP server and sender address of the user's default mail account, as the settings
// window offers them. On Linux they come from the default Thunderbird profile's prefs.js.
class DefaultMailAccount
{
public:
    // Fills AppState::DefaultSmtpServer and AppState::DefaultSenderAddress when a default
    // account is found; otherwise both stay as they were. `home` is the user's home directory.
    static void ReadDefaultMailAccount(const QString& home);

    // The value of one user_pref(...) line of prefs.js, or an empty text.
    static QString preference(const QString& prefs, const QString& name);
    // The folder of the default profile named by profiles.ini, or an empty text.
    static QString defaultProfile(const QString& thunderbirdDirectory);
};
