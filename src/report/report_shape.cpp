#include "report/report_shape.h"

#include "report/render_context.h"

ReportShape::ReportShape(Kind kind) : m_kind(kind)
{
    setFrame(true);
}

void ReportShape::setPen(const QColor& color, double widthMm, Qt::PenStyle penStyle)
{
    ItemStyle changed = style();
    changed.frame = penStyle != Qt::NoPen;
    changed.frameColor = color;
    changed.lineWidthMm = widthMm;
    changed.lineStyle = penStyle;
    setStyle(changed);
}

void ReportShape::addLine(RenderContext& context, const QPointF& from, const QPointF& to) const
{
    addItem(context, PageItemKind::Line, QRectF(from, to));
}

void ReportShape::render(RenderContext& context, const QPointF& bandOrigin)
{
    const QRectF rect = pageRect(bandOrigin);
    switch (m_kind) {
    case Kind::Rectangle:
        addItem(context, PageItemKind::Rectangle, rect);
        break;
    case Kind::HorizontalLine:
        addLine(context, QPointF(rect.left(), rect.center().y()),
                QPointF(rect.right(), rect.center().y()));
        break;
    case Kind::VerticalLine:
        addLine(context, QPointF(rect.center().x(), rect.top()),
                QPointF(rect.center().x(), rect.bottom()));
        break;
    case Kind::TopAndBottom:
        addLine(context, rect.topLeft(), rect.topRight());
        addLine(context, rect.bottomLeft(), rect.bottomRight());
        break;
    }
}
