#pragma once

#include <QFont>
#include <QString>

// Text sizes in millimetres, the same on every device: measured at a fixed high resolution
// so that screen hinting does not change what fits.
class TextMeasure
{
public:
    static double widthMm(const QFont& font, const QString& text);
    static double lineHeightMm(const QFont& font);
};
