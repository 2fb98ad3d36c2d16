#include "core/settings/logo_size_rule.h"

#include <cmath>

int LogoSizeRule::roundHalfEven(double value)
{
    // Rounds under the default floating-point mode, which sends halves to the even neighbour.
    return static_cast<int>(std::nearbyint(value));
}

QSize LogoSizeRule::fit(const QSize& picture)
{
    // The divisions keep the order of the rule (w / h x 150, not w x 150 / h): it decides
    // which results land exactly on a half.
    const double w = picture.width();
    const double h = picture.height();
    int width = picture.width();
    int height = picture.height();
    if (w > MaxWidth || h > MaxHeight) {
        if (w < h) {
            width = roundHalfEven(w / h * MaxHeight);
            height = MaxHeight;
        } else {
            width = MaxWidth;
            height = roundHalfEven(h / w * MaxWidth);
        }
    }
    if (height > MaxHeight) {
        width = roundHalfEven(double(MaxHeight) / height * width);
        height = MaxHeight;
    }
    if (width > MaxWidth) {
        height = roundHalfEven(double(MaxWidth) / width * height);
        width = MaxWidth;
    }
    return {width, height};
}
