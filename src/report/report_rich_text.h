#pragma once

#include "report/report_element.h"

#include <QTextDocument>
#include <memory>

// Formatted text that grows downwards with its content; the band grows with it, and when
// it runs past a page it continues on the next one, cut between lines.
class ReportRichText : public ReportElement
{
public:
    ReportRichText();
    ~ReportRichText() override;

    QTextDocument* document() const { return m_document.get(); }
    // Copies another document's text and formatting, e.g. the letter editor's.
    void setContentFrom(const QTextDocument& source);

    double contentHeightMm() const;
    double requiredBottom(const RenderContext& context) const override;
    double safeBreak(double breakAtMm) const override;
    void render(RenderContext& context, const QPointF& bandOrigin) override;
    void renderSlice(RenderContext& context, const QPointF& bandOrigin, double fromMm,
                     double toMm) override;

private:
    void layOut() const;
    void addPortion(RenderContext& context, const QPointF& bandOrigin, double fromMm,
                    double toMm) const;

    std::unique_ptr<QTextDocument> m_document;
};
