#include "report/report_chart_holder.h"

#include "report/render_context.h"
#include "report/report_document.h"

void ReportChartHolder::render(RenderContext& context, const QPointF& bandOrigin)
{
    const QRectF rect = pageRect(bandOrigin);
    if (!m_drawing || rect.isEmpty())
        return;
    const QPicture picture = VectorRecording::record(rect.size(), m_drawing);
    const int index = context.document.addPicture(picture, VectorRecording::frameFor(rect.size()));
    addItem(context, PageItemKind::Picture, rect, QString(), index);
}
