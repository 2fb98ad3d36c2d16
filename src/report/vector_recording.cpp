#include "report/vector_recording.h"

double VectorRecording::unitsPerMm()
{
    static const double units = QPicture().logicalDpiX() / 25.4;
    return units;
}

QSizeF VectorRecording::frameFor(const QSizeF& sizeMm)
{
    return sizeMm * unitsPerMm();
}

QPicture VectorRecording::record(const QSizeF& sizeMm, const Drawing& drawing)
{
    QPicture picture;
    const QRectF frame(QPointF(0, 0), frameFor(sizeMm));
    picture.setBoundingRect(frame.toAlignedRect());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing(painter, frame);
    painter.end();
    // The frame, not the drawn extent, is what gets scaled onto the page.
    picture.setBoundingRect(frame.toAlignedRect());
    return picture;
}
