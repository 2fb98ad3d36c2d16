#pragma once

#include <QByteArray>
#include <QString>

// basedrive.dat in the program directory: where the administrations' data directories lie.
// The data directory is the drive text followed by the directory text; the directory text
// also tells which of the five administrations is current.
struct LocationRecord
{
    static constexpr int Size = 302;
    static constexpr int TextCapacity = 150;
    static constexpr const char* FileName = "basedrive.dat";

    QString DriveText;
    QString DirectoryText;

    // The user's home directory and "/fondirex": administration 0 lives in ~/fondirex.
    static LocationRecord defaults();

    QByteArray toBytes() const;
    static LocationRecord fromBytes(const QByteArray& bytes);

    // "/fondirex" for administration 0, "/fondirex01" ... "/fondirex04" for 1 to 4.
    static QString directoryTextFor(int administration);
    // The last character of a directory text: "1" ... "4" give 1 ... 4, anything else 0.
    static int administrationFromDirectoryText(const QString& directoryText);

    bool operator==(const LocationRecord&) const = default;
};
