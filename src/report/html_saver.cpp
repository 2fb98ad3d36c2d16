#include "report/html_saver.h"

#include "report/export_file.h"
#include "report/report_document.h"
#include "report/vector_recording.h"

#include <QBuffer>
#include <QPainter>

namespace {
constexpr double kPictureDpi = 150.0;

QString mm(double value)
{
    return QString::number(value, 'f', 2) + QStringLiteral("mm");
}

QString cssColor(const QColor& color)
{
    return color.isValid() ? color.name(QColor::HexRgb) : QStringLiteral("transparent");
}

QString pngDataUrl(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(bytes.toBase64());
}

QImage pictureImage(const ReportDocument& document, int index, const QSizeF& sizeMm)
{
    const QSize pixels = (sizeMm * kPictureDpi / 25.4).toSize().expandedTo(QSize(1, 1));
    QImage image(pixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    VectorRecording::play(painter, document.picture(index), document.pictureFrame(index),
                          QRectF(QPointF(0, 0), pixels));
    painter.end();
    return image;
}

QString horizontalAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    return QStringLiteral("left");
}

QString styleRules(const ReportDocument& document)
{
    QString css;
    for (int i = 0; i < document.styleCount(); ++i) {
        const ItemStyle& style = document.style(i);
        css += QStringLiteral(".s%1{font-family:'%2';font-size:%3pt;font-weight:%4;font-style:%5;"
                              "color:%6;background:%7;text-align:%8;%9}\n")
                   .arg(i)
                   .arg(style.font.family())
                   .arg(style.font.pointSizeF())
                   .arg(style.font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"))
                   .arg(style.font.italic() ? QStringLiteral("italic") : QStringLiteral("normal"))
                   .arg(cssColor(style.color), cssColor(style.background),
                        horizontalAlignment(style.alignment),
                        style.frame
                            ? QStringLiteral("border:1px solid %1;").arg(cssColor(style.frameColor))
                            : QString());
    }
    for (int i = 0; i < document.imageCount(); ++i)
        css += QStringLiteral(".i%1{background-image:url(%2);background-size:100% 100%}\n")
                   .arg(i)
                   .arg(pngDataUrl(document.image(i)));
    return css;
}

QString box(const QRectF& rect)
{
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4;")
        .arg(mm(rect.left()), mm(rect.top()), mm(rect.width()), mm(rect.height()));
}

QString textElement(const PageItem& item, const ItemStyle& style)
{
    const QString verticalMiddle =
        style.wordWrap
            ? QString()
            : QStringLiteral("line-height:%1;white-space:pre;").arg(mm(item.rect.height()));
    return QStringLiteral("<div class=\"s%1\" style=\"%2%3\">%4</div>\n")
        .arg(item.style)
        .arg(box(item.rect), verticalMiddle, item.text.toHtmlEscaped());
}

QString svgShape(const PageItem& item, const ItemStyle& style)
{
    const QString stroke = style.frame
                               ? QStringLiteral("stroke=\"%1\" stroke-width=\"%2\"%3")
                                     .arg(cssColor(style.frameColor))
                                     .arg(style.lineWidthMm)
                                     .arg(style.lineStyle == Qt::SolidLine
                                              ? QString()
                                              : QStringLiteral(" stroke-dasharray=\"1.5 1\""))
                               : QStringLiteral("stroke=\"none\"");
    const QRectF& r = item.rect;
    if (item.kind == PageItemKind::Line)
        return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5/>")
            .arg(r.left())
            .arg(r.top())
            .arg(r.right())
            .arg(r.bottom())
            .arg(stroke);
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\" %6/>")
        .arg(r.left())
        .arg(r.top())
        .arg(r.width())
        .arg(r.height())
        .arg(style.background.isValid() ? cssColor(style.background) : QStringLiteral("none"),
             stroke);
}

QString pageHtml(const ReportDocument& document, const ReportPage& page)
{
    const QSizeF paper = document.pageSettings().paperSizeMm();
    QString html = QStringLiteral("<div class=\"page\" style=\"width:%1;height:%2\">\n")
                       .arg(mm(paper.width()), mm(paper.height()));
    // Shapes go first, in one drawing, so texts and images stay readable above fills.
    QString shapes;
    for (const PageItem& item : page.items()) {
        if (item.kind == PageItemKind::Line || item.kind == PageItemKind::Rectangle)
            shapes += svgShape(item, document.style(item.style));
    }
    if (!shapes.isEmpty())
        html += QStringLiteral("<svg style=\"left:0;top:0;width:%1;height:%2\" viewBox=\"0 0 %3 "
                               "%4\">%5</svg>\n")
                    .arg(mm(paper.width()), mm(paper.height()))
                    .arg(paper.width())
                    .arg(paper.height())
                    .arg(shapes);
    for (const PageItem& item : page.items()) {
        if (item.kind == PageItemKind::Text)
            html += textElement(item, document.style(item.style));
        else if (item.kind == PageItemKind::Image)
            html += QStringLiteral("<div class=\"i%1\" style=\"%2\"></div>\n")
                        .arg(item.resource)
                        .arg(box(item.rect));
        else if (item.kind == PageItemKind::Picture)
            html += QStringLiteral("<img alt=\"\" src=\"%1\" style=\"%2\">\n")
                        .arg(pngDataUrl(pictureImage(document, item.resource, item.rect.size())),
                             box(item.rect));
    }
    return html + QStringLiteral("</div>\n");
}
} // namespace

QString HtmlSaver::toHtml(const ReportDocument& document)
{
    QString body;
    for (const ReportPage& page : document.pages())
        body += pageHtml(document, page);
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%1</title>\n<style>\n"
                          "body{background:#888;margin:0;padding:5mm}\n"
                          ".page{position:relative;background:#fff;margin:0 auto 5mm;"
                          "overflow:hidden}\n"
                          ".page>*{position:absolute;margin:0;box-sizing:border-box}\n%2"
                          "</style>\n</head>\n<body>\n%3</body>\n</html>\n")
        .arg(document.title().toHtmlEscaped(), styleRules(document), body);
}

bool HtmlSaver::save(const ReportDocument& document, const QString& fileName, QString* error)
{
    return ExportFile::write(fileName, toHtml(document).toUtf8(), error);
}
