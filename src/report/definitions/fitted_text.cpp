#include "report/definitions/fitted_text.h"

#include "report/text_measure.h"

QString FittedText::fit(const QString& text, const QFont& font, double widthMm)
{
    if (TextMeasure::widthMm(font, text) <= widthMm)
        return text;
    const QString ellipsis = QStringLiteral("…");
    QString cut = text;
    while (!cut.isEmpty() && TextMeasure::widthMm(font, cut + ellipsis) > widthMm)
        cut.chop(1);
    return cut.trimmed() + ellipsis;
}
