#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Writes a QTextDocument as RTF that WordPad, Word and LibreOffice open: Windows-1252 text
// with \'hh for its upper half and \uN? for every other character, a font and a colour table,
// and per paragraph its alignment and per run bold, italic, underline, font, size, colour and
// background. Reading the result back gives the same text and formatting.
class RtfWriter
{
public:
    static QByteArray write(const QTextDocument& document);
    // Writes to a temporary file first, so a failure never leaves half a file; returns a Dutch
    // message, empty on success.
    static QString writeFile(const QTextDocument& document, const QString& path);
};
