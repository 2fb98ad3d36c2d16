#pragma once

#include <QByteArray>
#include <QString>

// logonaam.dat in the data directory: the name the logo was stored under. Only its last
// UsedLength characters count ("/contribuutlogo.jpg" or ".bmp"), so the logo is always
// looked for in the current data directory, wherever the name says it once was.
struct LogoNameRecord
{
    static constexpr int Size = 201;
    static constexpr int NameCapacity = 200;
    static constexpr int UsedLength = 19;
    static constexpr const char* FileName = "logonaam.dat";

    QString LogoName = QStringLiteral("/contribuutlogo.jpg");

    static LogoNameRecord defaults() { return {}; }

    // The part of the name appended to the data directory to find the logo.
    QString usedPart() const { return LogoName.right(UsedLength); }

    QByteArray toBytes() const;
    static LogoNameRecord fromBytes(const QByteArray& bytes);

    bool operator==(const LogoNameRecord&) const = default;
};
