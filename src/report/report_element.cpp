#include "report/report_element.h"

#include "report/render_context.h"
#include "report/report_document.h"

void ReportElement::setStyle(const ItemStyle& style)
{
    m_style = style;
    m_styleDocument = 0;
}

void ReportElement::setFont(const QFont& font)
{
    ItemStyle style = m_style;
    style.font = font;
    setStyle(style);
}

void ReportElement::setColor(const QColor& color)
{
    ItemStyle style = m_style;
    style.color = color;
    setStyle(style);
}

void ReportElement::setBackground(const QColor& color)
{
    ItemStyle style = m_style;
    style.background = color;
    setStyle(style);
}

void ReportElement::setAlignment(Qt::Alignment alignment)
{
    ItemStyle style = m_style;
    style.alignment = alignment;
    setStyle(style);
}

void ReportElement::setFrame(bool frame, const QColor& color)
{
    ItemStyle style = m_style;
    style.frame = frame;
    style.frameColor = color;
    setStyle(style);
}

void ReportElement::setWordWrap(bool wrap)
{
    ItemStyle style = m_style;
    style.wordWrap = wrap;
    setStyle(style);
}

double ReportElement::requiredBottom(const RenderContext&) const
{
    return m_geometry.bottom();
}

double ReportElement::safeBreak(double breakAtMm) const
{
    if (m_geometry.top() < breakAtMm && m_geometry.bottom() > breakAtMm)
        return m_geometry.top();
    return breakAtMm;
}

void ReportElement::renderSlice(RenderContext& context, const QPointF& bandOrigin, double fromMm,
                                double toMm)
{
    if (m_geometry.top() >= fromMm && m_geometry.top() < toMm)
        render(context, bandOrigin);
}

int ReportElement::styleIndex(ReportDocument& document) const
{
    // Looking a style up compares fonts; a long report would do that for every field of
    // every line, so the index is remembered until the style or the document changes.
    if (m_styleDocument != document.id()) {
        m_styleIndex = document.addStyle(m_style);
        m_styleDocument = document.id();
    }
    return m_styleIndex;
}

void ReportElement::addItem(RenderContext& context, PageItemKind kind, const QRectF& rect,
                            const QString& text, int resource) const
{
    PageItem item;
    item.kind = kind;
    item.style = styleIndex(context.document);
    item.resource = resource;
    item.rect = rect;
    item.text = text;
    context.page->addItem(std::move(item));
}
