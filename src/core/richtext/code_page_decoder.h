#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <map>
#include <memory>

// Turns bytes of a Windows code page into text. Windows-1252 is built in; other code pages
// (Central European, Cyrillic, the East Asian double-byte ones) come from Qt's converters when
// present and fall back to 1252 otherwise, so text is never dropped.
class CodePageDecoder
{
public:
    static constexpr int kWindows1252 = 1252;

    QString decode(const QByteArray& bytes, int codePage);
    // The code page a font table's \fcharsetN stands for; 0 when it adds nothing to the
    // document's own code page.
    static int codePageForCharset(int charset);

private:
    QStringDecoder* decoderFor(int codePage);
    static QString decode1252(const QByteArray& bytes);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};
