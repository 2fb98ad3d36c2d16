#pragma once

#include <QPainter>
#include <QPicture>
#include <QSizeF>
#include <functional>

// Records a drawing as vectors (a QPicture) so it prints sharp at any resolution. The
// drawing gets a frame in the picture's own units that stands for the given millimetres.
class VectorRecording
{
public:
    using Drawing = std::function<void(QPainter& painter, const QRectF& frame)>;

    static double unitsPerMm();
    static QSizeF frameFor(const QSizeF& sizeMm);
    static QPicture record(const QSizeF& sizeMm, const Drawing& drawing);
    // Plays a recording into a target rectangle in the painter's current coordinates.
    static void play(QPainter& painter, const QPicture& picture, const QSizeF& frame,
                     const QRectF& target);
};
