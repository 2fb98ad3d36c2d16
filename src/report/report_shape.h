#pragma once

#include "report/report_element.h"

// Rules and boxes. The stroke is the style's frame colour, line width and line style; a
// rectangle is filled with the style's background when that is set.
class ReportShape : public ReportElement
{
public:
    enum class Kind
    {
        Rectangle,
        HorizontalLine, // through the vertical middle of the element
        VerticalLine,   // through the horizontal middle of the element
        TopAndBottom,   // rules along the element's top and bottom edges
    };

    explicit ReportShape(Kind kind = Kind::HorizontalLine);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind) { m_kind = kind; }
    void setPen(const QColor& color, double widthMm = 0.2, Qt::PenStyle style = Qt::SolidLine);
    void setFill(const QColor& color) { setBackground(color); }

    void render(RenderContext& context, const QPointF& bandOrigin) override;

private:
    void addLine(RenderContext& context, const QPointF& from, const QPointF& to) const;

    Kind m_kind;
};
