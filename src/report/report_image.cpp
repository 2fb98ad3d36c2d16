#include "report/report_image.h"

#include "report/render_context.h"
#include "report/report_document.h"

double ReportImage::pixelsToMm(double pixels)
{
    return pixels * 25.4 / kPixelsPerInch;
}

bool ReportImage::loadFromFile(const QString& fileName)
{
    QImage loaded;
    if (fileName.isEmpty() || !loaded.load(fileName))
        return false;
    m_image = loaded;
    return true;
}

void ReportImage::setSizeInPixels(int width, int height)
{
    setSize(QSizeF(pixelsToMm(width), pixelsToMm(height)));
}

void ReportImage::render(RenderContext& context, const QPointF& bandOrigin)
{
    if (m_image.isNull())
        return;
    QRectF rect = pageRect(bandOrigin);
    if (!m_stretch) {
        const QSizeF own(pixelsToMm(m_image.width()), pixelsToMm(m_image.height()));
        rect.setSize(own.boundedTo(rect.size()));
    }
    if (rect.isEmpty())
        return;
    addItem(context, PageItemKind::Image, rect, QString(), context.document.addImage(m_image));
}
