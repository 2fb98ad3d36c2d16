#pragma once

#include "core/settings/settings_result.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Reading and writing one settings file of exactly one fixed-size record.
class SettingsFile
{
public:
    // Reads the record at `path` into `bytes`; its size must be the size of `defaults`.
    // A missing file is written with `defaults`, which `bytes` then holds (even when that
    // write fails, since they are still the right values). A file of another size is
    // reported and left untouched: overwriting it would lose whatever it holds.
    static SettingsResult read(const QString& path, const QByteArray& defaults, QByteArray& bytes);

    // Writes the record to a temporary file beside `path` and renames it over `path`, so a
    // crash leaves either the old or the new record, never a mix. Creates the directory when
    // it does not exist yet.
    static SettingsResult write(const QString& path, const QByteArray& bytes);

private:
    static SettingsResult readExisting(const QString& path, qint64 expectedSize, QByteArray& bytes);
    static QString describe(QFileDevice::FileError error);
};
