#include "report/report_text_element.h"

#include "report/render_context.h"
#include "report/text_measure.h"

double ReportTextElement::textWidthMm(const QString& text) const
{
    return TextMeasure::widthMm(style().font, text);
}

void ReportTextElement::render(RenderContext& context, const QPointF& bandOrigin)
{
    const QString text = currentText(context);
    QRectF rect = pageRect(bandOrigin);
    if (m_autoSize) {
        const double width = textWidthMm(text);
        // An auto-sized text keeps the edge its alignment ties it to.
        if (style().alignment & Qt::AlignRight)
            rect.setLeft(rect.right() - width);
        else
            rect.setWidth(width);
    }
    if (text.isEmpty() && !style().frame && !style().background.isValid())
        return;
    addItem(context, PageItemKind::Text, rect, text);
}
