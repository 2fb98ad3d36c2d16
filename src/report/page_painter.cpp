#include "report/page_painter.h"

#include "report/report_document.h"
#include "report/vector_recording.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>

namespace {
constexpr double kMmPerInch = 25.4;

// Draws in units of the device's own resolution, so fonts sized in points come out right
// on every device; an extra scale serves the callers that want another size.
class ItemPainter
{
public:
    ItemPainter(QPainter& painter, const ReportDocument& document)
        : m_painter(painter), m_document(document),
          m_unitsPerMm(painter.device()->logicalDpiY() / kMmPerInch)
    {
    }

    double unitsPerMm() const { return m_unitsPerMm; }

    void paint(const PageItem& item)
    {
        const ItemStyle& style = m_document.style(item.style);
        switch (item.kind) {
        case PageItemKind::Text:
            paintText(item, style);
            break;
        case PageItemKind::Line:
            paintLine(item, style);
            break;
        case PageItemKind::Rectangle:
            paintRectangle(item, style);
            break;
        case PageItemKind::Image:
            m_painter.drawImage(toUnits(item.rect), m_document.image(item.resource));
            break;
        case PageItemKind::Picture:
            paintPicture(item);
            break;
        }
    }

private:
    QRectF toUnits(const QRectF& mm) const
    {
        return QRectF(mm.x() * m_unitsPerMm, mm.y() * m_unitsPerMm, mm.width() * m_unitsPerMm,
                      mm.height() * m_unitsPerMm);
    }

    QPen penOf(const ItemStyle& style) const
    {
        if (!style.frame || style.lineStyle == Qt::NoPen)
            return Qt::NoPen;
        QPen pen(style.frameColor, style.lineWidthMm * m_unitsPerMm, style.lineStyle);
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }

    void useFont(int styleIndex, const ItemStyle& style)
    {
        // Fonts change rarely from one text to the next; setting the same one again costs.
        if (styleIndex == m_fontStyle)
            return;
        m_painter.setFont(style.font);
        m_fontStyle = styleIndex;
    }

    void paintText(const PageItem& item, const ItemStyle& style)
    {
        const QRectF rect = toUnits(item.rect);
        if (style.background.isValid())
            m_painter.fillRect(rect, style.background);
        if (style.frame) {
            m_painter.setPen(penOf(style));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(rect);
        }
        useFont(item.style, style);
        m_painter.setPen(style.color);
        if (style.wordWrap || item.text.contains(QLatin1Char('\n'))) {
            m_painter.drawText(rect, int(style.alignment) | Qt::TextWordWrap, item.text);
            return;
        }
        // A single line is placed by hand: the formatting path of drawText(rect, flags)
        // costs several times more, which tells on reports of many thousands of lines.
        m_painter.drawText(singleLineOrigin(item.style, style, rect, item.text), item.text);
    }

    const QFontMetricsF& metricsOf(int styleIndex, const ItemStyle& style)
    {
        auto found = m_metrics.find(styleIndex);
        if (found == m_metrics.end())
            found = m_metrics.insert(styleIndex, QFontMetricsF(style.font, m_painter.device()));
        return found.value();
    }

    QPointF singleLineOrigin(int styleIndex, const ItemStyle& style, const QRectF& rect,
                             const QString& text)
    {
        const QFontMetricsF& metrics = metricsOf(styleIndex, style);
        double x = rect.left();
        if (style.alignment & Qt::AlignRight)
            x = rect.right() - metrics.horizontalAdvance(text);
        else if (style.alignment & Qt::AlignHCenter)
            x = rect.center().x() - metrics.horizontalAdvance(text) / 2;
        double baseline = rect.top() + (rect.height() - metrics.height()) / 2 + metrics.ascent();
        if (style.alignment & Qt::AlignTop)
            baseline = rect.top() + metrics.ascent();
        else if (style.alignment & Qt::AlignBottom)
            baseline = rect.bottom() - metrics.descent();
        return QPointF(x, baseline);
    }

    void paintLine(const PageItem& item, const ItemStyle& style)
    {
        m_painter.setPen(penOf(style));
        m_painter.drawLine(QLineF(toUnits(item.rect).topLeft(), toUnits(item.rect).bottomRight()));
    }

    void paintRectangle(const PageItem& item, const ItemStyle& style)
    {
        m_painter.setPen(penOf(style));
        m_painter.setBrush(style.background.isValid() ? QBrush(style.background) : Qt::NoBrush);
        m_painter.drawRect(toUnits(item.rect));
    }

    void paintPicture(const PageItem& item)
    {
        VectorRecording::play(m_painter, m_document.picture(item.resource),
                              m_document.pictureFrame(item.resource), toUnits(item.rect));
        m_fontStyle = -1;
    }

    QPainter& m_painter;
    const ReportDocument& m_document;
    double m_unitsPerMm;
    int m_fontStyle = -1;
    QHash<int, QFontMetricsF> m_metrics;
};
} // namespace

void PagePainter::paint(QPainter& painter, const ReportDocument& document, const ReportPage& page)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    ItemPainter items(painter, document);
    for (const PageItem& item : page.items())
        items.paint(item);
    painter.restore();
}

void PagePainter::paint(QPainter& painter, const ReportDocument& document, const ReportPage& page,
                        double pixelsPerMm)
{
    const double deviceUnitsPerMm = painter.device()->logicalDpiY() / kMmPerInch;
    painter.save();
    painter.scale(pixelsPerMm / deviceUnitsPerMm, pixelsPerMm / deviceUnitsPerMm);
    paint(painter, document, page);
    painter.restore();
}
