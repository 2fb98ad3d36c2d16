#pragma once

#include "report/item_style.h"
#include "report/page_item.h"

#include <QPointF>
#include <QRectF>

struct RenderContext;
class ReportDocument;

// Something a band prints: its place in the band in millimetres, whether it prints at all,
// and how it looks. Subclasses turn themselves into page items.
class ReportElement
{
public:
    virtual ~ReportElement() = default;

    QRectF geometry() const { return m_geometry; }
    void setGeometry(const QRectF& geometryMm) { m_geometry = geometryMm; }
    void setPosition(const QPointF& topLeftMm) { m_geometry.moveTopLeft(topLeftMm); }
    void setSize(const QSizeF& sizeMm) { m_geometry.setSize(sizeMm); }
    void setLeft(double mm) { m_geometry.moveLeft(mm); }
    void setTop(double mm) { m_geometry.moveTop(mm); }
    void setWidth(double mm) { m_geometry.setWidth(mm); }
    void setHeight(double mm) { m_geometry.setHeight(mm); }

    // A disabled element does not print.
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    const ItemStyle& style() const { return m_style; }
    void setStyle(const ItemStyle& style);
    void setFont(const QFont& font);
    void setColor(const QColor& color);
    void setBackground(const QColor& color);
    void setAlignment(Qt::Alignment alignment);
    void setFrame(bool frame, const QColor& color = Qt::black);
    void setWordWrap(bool wrap);

    // The height the element needs, counted from the band's top; only elements that grow
    // with their content report more than their own bottom.
    virtual double requiredBottom(const RenderContext& context) const;
    // Where a band that is too tall for one page may be cut without cutting this element;
    // the default moves the whole element to the next page.
    virtual double safeBreak(double breakAtMm) const;
    virtual void render(RenderContext& context, const QPointF& bandOrigin) = 0;
    // Prints the part of the element between two heights of its band; the default prints
    // the element on the page where its top falls.
    virtual void renderSlice(RenderContext& context, const QPointF& bandOrigin, double fromMm,
                             double toMm);

protected:
    int styleIndex(ReportDocument& document) const;
    QRectF pageRect(const QPointF& bandOrigin) const { return m_geometry.translated(bandOrigin); }
    void addItem(RenderContext& context, PageItemKind kind, const QRectF& rect,
                 const QString& text = QString(), int resource = -1) const;

private:
    QRectF m_geometry;
    bool m_enabled = true;
    ItemStyle m_style;
    mutable quint64 m_styleDocument = 0;
    mutable int m_styleIndex = -1;
};
