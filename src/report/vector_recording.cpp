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

void VectorRecording::play(QPainter& painter, const QPicture& picture, const QSizeF& frame,
                           const QRectF& target)
{
    if (frame.isEmpty())
        return;
    // Playing a picture scales it by the device's resolution over the picture's own, as if
    // the picture were in device-independent units; ours are already fitted to the
    // target, so that scale is taken out again.
    const QPaintDevice* device = painter.device();
    const double undoX = double(picture.logicalDpiX()) / device->logicalDpiX();
    const double undoY = double(picture.logicalDpiY()) / device->logicalDpiY();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / frame.width() * undoX, target.height() / frame.height() * undoY);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}
