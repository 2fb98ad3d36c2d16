#include "core/richtext/rtf_writer.h"

#include "core/richtext/rtf_table_builder.h"
#include "core/richtext/rtf_text_encoder.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

namespace {

QByteArray alignmentWord(Qt::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignJustify)
        return "\\qj";
    if (horizontal & Qt::AlignHCenter)
        return "\\qc";
    if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        return "\\qr";
    return "\\ql";
}

QByteArray runFormatWords(const QTextCharFormat& format, const QFont& defaultFont,
                          const RtfTableBuilder& tables)
{
    const QFont font = format.font().resolve(defaultFont);
    QByteArray words = "\\f" + QByteArray::number(tables.fontIndex(font.family()));
    if (font.pointSizeF() > 0)
        words += "\\fs" + QByteArray::number(std::lround(font.pointSizeF() * 2));
    if (font.bold())
        words += "\\b";
    if (font.italic())
        words += "\\i";
    if (font.underline())
        words += "\\ul";
    if (format.foreground().style() != Qt::NoBrush)
        words += "\\cf" + QByteArray::number(tables.colorIndex(format.foreground().color()));
    if (format.background().style() != Qt::NoBrush)
        words += "\\highlight" + QByteArray::number(tables.colorIndex(format.background().color()));
    return words;
}

QByteArray paragraph(const QTextBlock& block, const QFont& defaultFont,
                     const RtfTableBuilder& tables)
{
    QByteArray out = "\\pard" + alignmentWord(block.blockFormat().alignment());
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        out += "{" + runFormatWords(fragment.charFormat(), defaultFont, tables) + " " +
               RtfTextEncoder::encode(fragment.text()) + "}";
    }
    return out + "\\par\r\n";
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument& document)
{
    const RtfTableBuilder tables(document);
    const QFont defaultFont = document.defaultFont();
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";
    out += tables.fontTable() + "\r\n";
    out += tables.colorTable() + "\r\n";
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        out += paragraph(block, defaultFont, tables);
    return out + "}\r\n";
}

QString RtfWriter::writeFile(const QTextDocument& document, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(write(document)) < 0 || !file.commit()) {
        return QStringLiteral("Het bestand \"%1\" kan niet worden opgeslagen: %2")
            .arg(QFileInfo(path).fileName(), file.errorString());
    }
    return QString();
}
