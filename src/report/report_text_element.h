#pragma once

#include "report/report_element.h"

#include <QString>

// An element that prints one text. With auto-size on, its width follows the text, so a
// caption set at run time prints whole however long it is.
class ReportTextElement : public ReportElement
{
public:
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }

    // The text as it would print now.
    virtual QString currentText(const RenderContext& context) const = 0;
    // The width the text takes in millimetres with the element's font.
    double textWidthMm(const QString& text) const;

    void render(RenderContext& context, const QPointF& bandOrigin) override;

private:
    bool m_autoSize = false;
};
