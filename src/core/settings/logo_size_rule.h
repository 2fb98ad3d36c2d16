#pragma once

#include <QSize>

// The size the logo is shown and printed at: a picture larger than MaxWidth x MaxHeight is
// scaled down to fit, keeping its proportions; a smaller one keeps its own size. Rounding
// goes to the nearest integer, halves to the even neighbour, so the results match the
// sizes existing report layouts were made with.
class LogoSizeRule
{
public:
    static constexpr int MaxWidth = 355;
    static constexpr int MaxHeight = 150;

    static QSize fit(const QSize& picture);

private:
    static int roundHalfEven(double value);
};
