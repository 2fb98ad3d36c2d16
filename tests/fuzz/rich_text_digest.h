#pragma once

#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

// A canonical description of what the RTF codec carries: per paragraph its alignment, per run
// the effective bold, italic, underline, font, size, colour and background, and the text.
// Runs that look the same are merged, so two documents compare equal exactly when the codec
// should not be able to tell them apart.
inline QString richTextRunKey(const QTextCharFormat& format, const QFont& defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    const auto color = [](const QBrush& brush) {
        return brush.style() == Qt::NoBrush ? QStringLiteral("auto") : brush.color().name();
    };
    return QStringLiteral("%1%2%3 %4 %5 %6/%7")
        .arg(font.bold() ? "B" : "-", font.italic() ? "I" : "-", font.underline() ? "U" : "-",
             font.family(), QString::number(font.pointSizeF()), color(format.foreground()),
             color(format.background()));
}

inline QString richTextAlignment(const QTextBlockFormat& format)
{
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignJustify)
        return QStringLiteral("justify");
    if (horizontal & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        return QStringLiteral("right");
    return QStringLiteral("left");
}

inline QString richTextDigest(const QTextDocument& document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString paragraph = richTextAlignment(block.blockFormat()) + QLatin1Char(':');
        QString lastKey;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString key = richTextRunKey(fragment.charFormat(), document.defaultFont());
            if (key != lastKey)
                paragraph += QLatin1Char('[') + key + QLatin1Char(']');
            paragraph += fragment.text();
            lastKey = key;
        }
        paragraphs << paragraph;
    }
    return paragraphs.join(QLatin1Char('\n'));
}
