#pragma once

#include "report/report_element.h"

#include <QColor>
#include <functional>
#include <memory>
#include <vector>

enum class BandKind
{
    Title,        // once, on the first page under the page header
    PageHeader,   // top of every page
    ColumnHeader, // under the page header on every page
    Detail,       // once per record, or once without data source
    Summary,      // once, after the last record
    PageFooter,   // bottom of every page
};

// A horizontal strip of a report with its elements. Positions of elements are millimetres
// from the band's top-left corner, which sits on the left margin.
class ReportBand
{
public:
    // May clear printBand to leave the band out this time, or change its elements.
    using BeforePrint = std::function<void(ReportBand& band, bool& printBand)>;
    using AfterPrint = std::function<void(ReportBand& band, bool printed)>;

    ReportBand(BandKind kind, double heightMm) : m_kind(kind), m_heightMm(heightMm) {}
    ReportBand(const ReportBand&) = delete;
    ReportBand& operator=(const ReportBand&) = delete;

    BandKind kind() const { return m_kind; }
    double height() const { return m_heightMm; }
    void setHeight(double mm) { m_heightMm = mm; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    // Filled behind the elements across the whole width of the band when valid.
    QColor background() const { return m_background; }
    void setBackground(const QColor& color) { m_background = color; }
    // Starts a new page before the band unless the page holds no band of the body yet.
    bool forceNewPage() const { return m_forceNewPage; }
    void setForceNewPage(bool force) { m_forceNewPage = force; }

    template <class Element, class... Args> Element* add(Args&&... args)
    {
        auto element = std::make_unique<Element>(std::forward<Args>(args)...);
        Element* raw = element.get();
        m_elements.push_back(std::move(element));
        return raw;
    }
    const std::vector<std::unique_ptr<ReportElement>>& elements() const { return m_elements; }

    // Handlers run in the order they were added.
    void onBeforePrint(BeforePrint handler) { m_beforePrint.push_back(std::move(handler)); }
    void onAfterPrint(AfterPrint handler) { m_afterPrint.push_back(std::move(handler)); }
    bool runBeforePrint();
    void runAfterPrint(bool printed);

private:
    BandKind m_kind;
    double m_heightMm;
    bool m_enabled = true;
    bool m_forceNewPage = false;
    QColor m_background;
    std::vector<std::unique_ptr<ReportElement>> m_elements;
    std::vector<BeforePrint> m_beforePrint;
    std::vector<AfterPrint> m_afterPrint;
};
