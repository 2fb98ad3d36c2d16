#pragma once

#include "report/report_element.h"

#include <QImage>

// A picture from a file or from another image element. Sizes follow the screen convention
// of 96 pixels to the inch, so a logo of 355 pixels prints about 94 mm wide.
class ReportImage : public ReportElement
{
public:
    static constexpr double kPixelsPerInch = 96.0;
    static double pixelsToMm(double pixels);

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image) { m_image = image; }
    void clear() { m_image = QImage(); }
    // Keeps the current picture when the file is missing or not a readable picture.
    bool loadFromFile(const QString& fileName);

    // On: the picture fills the element; off: it prints at its own size from the top-left.
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch) { m_stretch = stretch; }
    void setSizeInPixels(int width, int height);

    void render(RenderContext& context, const QPointF& bandOrigin) override;

private:
    QImage m_image;
    bool m_stretch = false;
};
