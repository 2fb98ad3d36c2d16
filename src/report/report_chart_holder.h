#pragma once

#include "report/report_element.h"
#include "report/vector_recording.h"

// Holds a chart: a drawing callback that paints the chart into the element's frame, for
// example a QChart resized to the frame and rendered through its scene. It is recorded as
// vectors when the band prints.
class ReportChartHolder : public ReportElement
{
public:
    using Drawing = VectorRecording::Drawing;

    void setDrawing(Drawing drawing) { m_drawing = std::move(drawing); }
    bool hasDrawing() const { return bool(m_drawing); }

    void render(RenderContext& context, const QPointF& bandOrigin) override;

private:
    Drawing m_drawing;
};
