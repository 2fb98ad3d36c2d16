#pragma once

#include <QString>

// The outcome of reading or writing a settings file. A failure carries a Dutch message that
// names the file, ready to show to the user.
struct SettingsResult
{
    bool ok = true;
    // The file was missing and has been written with the defaults.
    bool created = false;
    QString error;

    static SettingsResult success(bool created = false) { return {true, created, {}}; }
    static SettingsResult failure(const QString& error) { return {false, false, error}; }

    explicit operator bool() const { return ok; }
};
