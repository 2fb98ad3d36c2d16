#include "report/report_rich_text.h"

#include "report/render_context.h"
#include "report/report_document.h"
#include "report/vector_recording.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <limits>

namespace {
// The text is laid out against the device it is recorded on, so line breaks are the same
// in the layout and in the recorded picture.
QPaintDevice* layoutDevice()
{
    static QPicture device;
    return &device;
}
} // namespace

ReportRichText::ReportRichText() : m_document(std::make_unique<QTextDocument>())
{
    m_document->setDocumentMargin(0);
    m_document->documentLayout()->setPaintDevice(layoutDevice());
}

ReportRichText::~ReportRichText() = default;

void ReportRichText::setContentFrom(const QTextDocument& source)
{
    m_document->setDefaultFont(source.defaultFont());
    m_document->setHtml(source.toHtml());
    m_document->setDocumentMargin(0);
}

void ReportRichText::layOut() const
{
    m_document->setTextWidth(geometry().width() * VectorRecording::unitsPerMm());
}

double ReportRichText::contentHeightMm() const
{
    layOut();
    return m_document->size().height() / VectorRecording::unitsPerMm();
}

double ReportRichText::requiredBottom(const RenderContext&) const
{
    return geometry().top() + qMax(geometry().height(), contentHeightMm());
}

double ReportRichText::safeBreak(double breakAtMm) const
{
    const double top = geometry().top();
    if (breakAtMm <= top || breakAtMm >= top + contentHeightMm())
        return breakAtMm;
    const double limit = (breakAtMm - top) * VectorRecording::unitsPerMm();
    const QAbstractTextDocumentLayout* layout = m_document->documentLayout();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const double blockTop = layout->blockBoundingRect(block).top();
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QRectF line = lines->lineAt(i).rect().translated(0, blockTop);
            if (line.bottom() > limit)
                return top + line.top() / VectorRecording::unitsPerMm();
        }
    }
    return breakAtMm;
}

void ReportRichText::render(RenderContext& context, const QPointF& bandOrigin)
{
    addPortion(context, bandOrigin, geometry().top(), std::numeric_limits<double>::max());
}

void ReportRichText::renderSlice(RenderContext& context, const QPointF& bandOrigin, double fromMm,
                                 double toMm)
{
    addPortion(context, bandOrigin, qMax(fromMm, geometry().top()), toMm);
}

void ReportRichText::addPortion(RenderContext& context, const QPointF& bandOrigin, double fromMm,
                                double toMm) const
{
    const double top = geometry().top();
    const double contentBottom = top + contentHeightMm();
    const double portionBottom = qMin(toMm, contentBottom);
    if (portionBottom <= fromMm)
        return;
    const QSizeF sizeMm(geometry().width(), portionBottom - fromMm);
    const double offsetUnits = (fromMm - top) * VectorRecording::unitsPerMm();
    const QPicture picture = VectorRecording::record(
        sizeMm, [this, offsetUnits](QPainter& painter, const QRectF& frame) {
            painter.translate(0, -offsetUnits);
            m_document->drawContents(&painter, frame.translated(0, offsetUnits));
        });
    const int index = context.document.addPicture(picture, VectorRecording::frameFor(sizeMm));
    const QRectF rect(QPointF(geometry().left(), fromMm) + bandOrigin, sizeMm);
    addItem(context, PageItemKind::Picture, rect, QString(), index);
}
