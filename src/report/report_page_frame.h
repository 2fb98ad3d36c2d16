#pragma once

#include "report/page_frame_settings.h"
#include "report/page_frame_texts.h"

#include <QByteArray>
#include <QColor>
#include <vector>

class BandedReport;
class ReportBand;
class ReportImage;
class ReportLabel;
class ReportSystemData;

// The frame every report but the letter carries: a page header with a logo slot at each
// side and a title line naming the report and the association, and a page footer that
// repeats them with the print date and, where the report numbers its pages, "Blad :".
// Header and footer texts print grey. The frame hooks itself into the report's handlers,
// so it must live as long as the report.
class ReportPageFrame
{
public:
    static constexpr double kTitlePointSize = 11;
    static constexpr double kFooterPointSize = 8;

    ReportPageFrame(BandedReport& report, const PageFrameTexts& texts,
                    const PageFrameSettings& settings = PageFrameSettings());
    ReportPageFrame(const ReportPageFrame&) = delete;
    ReportPageFrame& operator=(const ReportPageFrame&) = delete;

    // Read at every run, so changed settings show on the next print.
    void setSettings(const PageFrameSettings& settings) { m_settings = settings; }
    const PageFrameSettings& settings() const { return m_settings; }
    // Printed exactly as typed, letters and all.
    void setReportYear(const QString& year) { m_reportYear = year; }
    void setHeaderRightText(const QString& text);

    ReportBand* headerBand() const { return m_header; }
    ReportBand* footerBand() const { return m_footer; }
    ReportImage* leftLogo() const { return m_leftLogo; }
    ReportImage* rightLogo() const { return m_rightLogo; }
    // Where a report may put its own header captions: under the title line.
    double headerContentTop() const;

    static QColor frameTextColor();
    static QColor columnHeaderBackground();
    // White texts on a dark blue band.
    static void styleColumnHeader(ReportBand& band);

private:
    struct Part
    {
        FrameTextPart part;
        ReportLabel* label;
    };

    void buildHeader();
    void buildFooter();
    std::vector<Part> addParts(ReportBand* band, const QList<FrameTextPart>& parts,
                               double pointSize);
    ReportLabel* addFrameLabel(ReportBand* band, double pointSize, bool bold);

    void QuickRepBeforePrint(bool& proceed);
    void PageHeaderBand1BeforePrint();
    void PageFooterBand1BeforePrint();
    void loadLogo();
    void sizeLogoSlots();
    double logoAreaHeight() const;
    void setPartTexts(std::vector<Part>& parts);
    void layOutHeader();
    void layOutFooter();
    double placeFooterRightGroup();

    BandedReport& m_report;
    PageFrameTexts m_texts;
    PageFrameSettings m_settings;
    QString m_reportYear;
    QByteArray m_logoBytes;
    ReportBand* m_header = nullptr;
    ReportBand* m_footer = nullptr;
    ReportImage* m_leftLogo = nullptr;
    ReportImage* m_rightLogo = nullptr;
    ReportLabel* m_headerRight = nullptr;
    std::vector<Part> m_headerParts;
    std::vector<Part> m_footerParts;
    ReportLabel* m_dateCaption = nullptr;
    ReportSystemData* m_date = nullptr;
    ReportLabel* m_pageCaption = nullptr;
    ReportSystemData* m_pageNumber = nullptr;
};
