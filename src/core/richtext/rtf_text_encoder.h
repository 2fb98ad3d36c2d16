#pragma once

#include <QByteArray>
#include <QString>

// Turns text into RTF: ASCII as it is, the upper half of Windows-1252 as \'hh and every other
// character as \uN? (with "?" for readers that do not know \u). Tabs and line separators
// become \tab and \line; control characters are dropped.
class RtfTextEncoder
{
public:
    static QByteArray encode(const QString& text);

private:
    static void appendCharacter(QByteArray& out, QChar character);
};
