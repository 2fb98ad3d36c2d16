#include "report/text_measure.h"

#include <QFontMetricsF>
#include <QImage>

namespace {
constexpr double kDpi = 600.0;
constexpr double kMmPerInch = 25.4;

const QPaintDevice& referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = int(kDpi / kMmPerInch * 1000.0 + 0.5);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

QFontMetricsF metricsOf(const QFont& font)
{
    return QFontMetricsF(font, &referenceDevice());
}
} // namespace

double TextMeasure::widthMm(const QFont& font, const QString& text)
{
    return metricsOf(font).horizontalAdvance(text) * kMmPerInch / kDpi;
}

double TextMeasure::lineHeightMm(const QFont& font)
{
    return metricsOf(font).height() * kMmPerInch / kDpi;
}
