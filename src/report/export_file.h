#pragma once

#include <QByteArray>
#include <QString>

// Writes an export in one go through a temporary file, so a failed write never leaves half
// a file under the chosen name.
class ExportFile
{
public:
    static bool write(const QString& fileName, const QByteArray& contents, QString* error);
};
