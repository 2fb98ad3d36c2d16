#include "report/report_page_frame.h"

#include "report/banded_report.h"
#include "report/report_image.h"
#include "report/report_label.h"
#include "report/report_system_data.h"
#include "report/text_measure.h"

#include <QFile>

namespace {
constexpr double kGapMm = 1.5;
constexpr double kLogoGapMm = 2.0;
constexpr double kPageNumberWidthMm = 12.0;
const QString kDateSample = QStringLiteral("00-00-0000");

double flowWidth(const std::vector<ReportLabel*>& labels)
{
    double width = 0;
    for (const ReportLabel* label : labels)
        width += label->textWidthMm(label->caption()) + kGapMm;
    return labels.empty() ? 0 : width - kGapMm;
}

// Places the labels one after the other. A line that would not fit (a long name in a
// large font) is set in a smaller font rather than cut off.
void flowLabels(const std::vector<ReportLabel*>& labels, double left, double top, double room,
                double pointSize)
{
    for (ReportLabel* label : labels) {
        QFont font = label->style().font;
        font.setPointSizeF(pointSize);
        label->setFont(font);
    }
    const double width = flowWidth(labels);
    if (width > room && width > 0) {
        for (ReportLabel* label : labels) {
            QFont font = label->style().font;
            font.setPointSizeF(pointSize * room / width * 0.98);
            label->setFont(font);
        }
    }
    double x = left;
    for (ReportLabel* label : labels) {
        const double height = TextMeasure::lineHeightMm(label->style().font);
        label->setGeometry(QRectF(x, top, label->textWidthMm(label->caption()), height));
        x += label->geometry().width() + kGapMm;
    }
}
} // namespace

ReportPageFrame::ReportPageFrame(BandedReport& report, const PageFrameTexts& texts,
                                 const PageFrameSettings& settings)
    : m_report(report), m_texts(texts), m_settings(settings)
{
    buildHeader();
    if (m_texts.hasFooter)
        buildFooter();
    m_report.onQuickRepBeforePrint([this](bool& proceed) { QuickRepBeforePrint(proceed); });
}

QColor ReportPageFrame::frameTextColor()
{
    return QColor(128, 128, 128);
}

QColor ReportPageFrame::columnHeaderBackground()
{
    return QColor(0, 0, 128);
}

void ReportPageFrame::styleColumnHeader(ReportBand& band)
{
    band.setBackground(columnHeaderBackground());
    for (const auto& element : band.elements()) {
        if (auto* text = dynamic_cast<ReportTextElement*>(element.get()))
            text->setColor(Qt::white);
    }
}

ReportLabel* ReportPageFrame::addFrameLabel(ReportBand* band, double pointSize, bool bold)
{
    ReportLabel* label = band->add<ReportLabel>();
    label->setFont(ItemStyle::defaultFont(pointSize, bold));
    label->setColor(frameTextColor());
    label->setAutoSize(true);
    return label;
}

std::vector<ReportPageFrame::Part>
ReportPageFrame::addParts(ReportBand* band, const QList<FrameTextPart>& parts, double pointSize)
{
    std::vector<Part> added;
    for (const FrameTextPart& part : parts)
        added.push_back({part, addFrameLabel(band, pointSize, part.bold)});
    return added;
}

void ReportPageFrame::buildHeader()
{
    m_header = m_report.addBand(BandKind::PageHeader, 0);
    m_leftLogo = m_header->add<ReportImage>();
    m_rightLogo = m_header->add<ReportImage>();
    for (ReportImage* slot : {m_leftLogo, m_rightLogo}) {
        slot->setStretch(true);
        slot->setEnabled(false);
    }
    m_headerParts = addParts(m_header, m_texts.headerTitle, kTitlePointSize);
    m_headerRight = addFrameLabel(m_header, kTitlePointSize, false);
    m_headerRight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_headerRight->setCaption(m_texts.headerRightText);
    m_header->onBeforePrint([this](ReportBand&, bool&) { PageHeaderBand1BeforePrint(); });
    layOutHeader();
}

void ReportPageFrame::buildFooter()
{
    m_footer = m_report.addBand(BandKind::PageFooter, 0);
    m_footerParts = addParts(m_footer, m_texts.footerTitle, kFooterPointSize);
    m_dateCaption = addFrameLabel(m_footer, kFooterPointSize, false);
    m_dateCaption->setCaption(m_texts.dateCaption);
    m_date = m_footer->add<ReportSystemData>(ReportSystemData::Kind::Date);
    if (m_texts.pageNumbers) {
        m_pageCaption = addFrameLabel(m_footer, kFooterPointSize, false);
        m_pageCaption->setCaption(QStringLiteral("Blad :"));
        m_pageNumber = m_footer->add<ReportSystemData>(ReportSystemData::Kind::PageNumber);
    }
    for (ReportSystemData* data : {m_date, m_pageNumber}) {
        if (!data)
            continue;
        data->setFont(ItemStyle::defaultFont(kFooterPointSize));
        data->setColor(frameTextColor());
        data->setAutoSize(true);
    }
    m_footer->onBeforePrint([this](ReportBand&, bool&) { PageFooterBand1BeforePrint(); });
    layOutFooter();
}

void ReportPageFrame::setHeaderRightText(const QString& text)
{
    m_texts.headerRightText = text;
    m_headerRight->setCaption(text);
}

void ReportPageFrame::QuickRepBeforePrint(bool&)
{
    m_leftLogo->setEnabled(m_settings.printLogo && m_settings.printLogoLeft);
    m_rightLogo->setEnabled(m_settings.printLogo && m_settings.printLogoRight);
    // The sizes decide the header's height, which the first page already needs.
    sizeLogoSlots();
    setPartTexts(m_headerParts);
    layOutHeader();
    if (m_footer) {
        setPartTexts(m_footerParts);
        layOutFooter();
    }
}

void ReportPageFrame::PageHeaderBand1BeforePrint()
{
    setPartTexts(m_headerParts);
    loadLogo();
    m_rightLogo->setImage(m_leftLogo->image());
    sizeLogoSlots();
    layOutHeader();
    // Reports whose footer has no handler of its own had their footer's name set here.
    if (m_footer)
        setPartTexts(m_footerParts);
}

void ReportPageFrame::PageFooterBand1BeforePrint()
{
    setPartTexts(m_footerParts);
    layOutFooter();
}

void ReportPageFrame::loadLogo()
{
    // Read for every page, but decoded only when the file changed: the journal of a
    // busy year runs to thousands of pages.
    QFile file(m_settings.logoFile);
    if (m_settings.logoFile.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (bytes == m_logoBytes && !m_leftLogo->image().isNull())
        return;
    QImage image;
    if (!image.loadFromData(bytes))
        return;
    m_leftLogo->setImage(image);
    m_logoBytes = bytes;
}

void ReportPageFrame::sizeLogoSlots()
{
    const double width = ReportImage::pixelsToMm(qMax(0, m_settings.logoWidth));
    const double height = ReportImage::pixelsToMm(qMax(0, m_settings.logoHeight));
    m_leftLogo->setGeometry(QRectF(0, 0, width, height));
    m_rightLogo->setGeometry(QRectF(m_report.bandWidth() - width, 0, width, height));
}

double ReportPageFrame::logoAreaHeight() const
{
    const double height = ReportImage::pixelsToMm(qMax(0, m_settings.logoHeight));
    return height > 0 ? height + kLogoGapMm : 0;
}

double ReportPageFrame::headerContentTop() const
{
    return logoAreaHeight() + TextMeasure::lineHeightMm(ItemStyle::defaultFont(kTitlePointSize)) +
           kLogoGapMm;
}

void ReportPageFrame::setPartTexts(std::vector<Part>& parts)
{
    for (Part& part : parts) {
        switch (part.part.kind) {
        case FrameTextPart::Kind::Fixed:
            part.label->setCaption(part.part.text);
            break;
        case FrameTextPart::Kind::AssociationName:
            part.label->setCaption(m_settings.associationName);
            break;
        case FrameTextPart::Kind::ReportYear:
            part.label->setCaption(m_reportYear);
            break;
        }
    }
}

void ReportPageFrame::layOutHeader()
{
    const double top = logoAreaHeight();
    const double width = m_report.bandWidth();
    const double rightWidth = m_headerRight->caption().isEmpty()
                                  ? 0
                                  : m_headerRight->textWidthMm(m_headerRight->caption()) + 4;
    std::vector<ReportLabel*> labels;
    for (const Part& part : m_headerParts)
        labels.push_back(part.label);
    flowLabels(labels, 0, top, width - rightWidth, kTitlePointSize);
    const double lineHeight = TextMeasure::lineHeightMm(ItemStyle::defaultFont(kTitlePointSize));
    m_headerRight->setGeometry(QRectF(width - rightWidth, top, rightWidth, lineHeight));
    m_header->setHeight(headerContentTop());
}

double ReportPageFrame::placeFooterRightGroup()
{
    const double width = m_report.bandWidth();
    const double height = TextMeasure::lineHeightMm(ItemStyle::defaultFont(kFooterPointSize));
    double right = width;
    if (m_pageNumber) {
        m_pageNumber->setGeometry(
            QRectF(right - kPageNumberWidthMm, 1, kPageNumberWidthMm, height));
        right -= kPageNumberWidthMm + kGapMm;
        const double captionWidth = m_pageCaption->textWidthMm(m_pageCaption->caption());
        m_pageCaption->setGeometry(QRectF(right - captionWidth, 1, captionWidth, height));
        right -= captionWidth + 3 * kGapMm;
    }
    const double dateWidth = m_date->textWidthMm(kDateSample) + kGapMm;
    m_date->setGeometry(QRectF(right - dateWidth, 1, dateWidth, height));
    right -= dateWidth + kGapMm;
    const double captionWidth = m_dateCaption->textWidthMm(m_dateCaption->caption());
    m_dateCaption->setGeometry(QRectF(right - captionWidth, 1, captionWidth, height));
    return right - captionWidth;
}

void ReportPageFrame::layOutFooter()
{
    const double rightGroupLeft = placeFooterRightGroup();
    std::vector<ReportLabel*> labels;
    for (const Part& part : m_footerParts)
        labels.push_back(part.label);
    flowLabels(labels, 0, 1, rightGroupLeft - 3 * kGapMm, kFooterPointSize);
    m_footer->setHeight(TextMeasure::lineHeightMm(ItemStyle::defaultFont(kFooterPointSize)) + 2);
}
