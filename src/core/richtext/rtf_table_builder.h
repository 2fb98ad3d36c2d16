#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;

// Collects the fonts and colours a document uses, in order of first use, and writes them as
// the RTF font and colour tables. Index 0 of the font table is the document's default font;
// colour index 0 is the automatic colour, so real colours start at 1.
class RtfTableBuilder
{
public:
    explicit RtfTableBuilder(const QTextDocument& document);

    int fontIndex(const QString& family) const { return static_cast<int>(m_fonts.indexOf(family)); }
    int colorIndex(const QColor& color) const
    {
        return static_cast<int>(m_colors.indexOf(color.rgb())) + 1;
    }
    QByteArray fontTable() const;
    QByteArray colorTable() const;

private:
    void addFont(const QString& family);
    void addColor(const QColor& color);

    QStringList m_fonts;
    QList<QRgb> m_colors;
};
