#include "core/richtext/rtf_table_builder.h"

#include "core/richtext/rtf_text_encoder.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

// A font name ends at ";" in the table and cannot escape it.
QString tableSafeName(QString family)
{
    return family.remove(QLatin1Char(';'));
}

} // namespace

RtfTableBuilder::RtfTableBuilder(const QTextDocument& document)
{
    const QFont defaultFont = document.defaultFont();
    addFont(defaultFont.family());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            addFont(format.font().resolve(defaultFont).family());
            if (format.foreground().style() != Qt::NoBrush)
                addColor(format.foreground().color());
            if (format.background().style() != Qt::NoBrush)
                addColor(format.background().color());
        }
    }
}

QByteArray RtfTableBuilder::fontTable() const
{
    QByteArray table = "{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        table += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " +
                 RtfTextEncoder::encode(tableSafeName(m_fonts[i])) + ";}";
    }
    return table + "}";
}

QByteArray RtfTableBuilder::colorTable() const
{
    QByteArray table = "{\\colortbl;";
    for (const QRgb rgb : m_colors) {
        table += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                 QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ";";
    }
    return table + "}";
}

void RtfTableBuilder::addFont(const QString& family)
{
    if (!m_fonts.contains(family))
        m_fonts.append(family);
}

void RtfTableBuilder::addColor(const QColor& color)
{
    if (!m_colors.contains(color.rgb()))
        m_colors.append(color.rgb());
}
