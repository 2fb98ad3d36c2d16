#pragma once

#include "report/report_text_element.h"

// A text whose caption the program sets.
class ReportLabel : public ReportTextElement
{
public:
    explicit ReportLabel(const QString& caption = QString()) : m_caption(caption) {}

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }

    QString currentText(const RenderContext&) const override { return m_caption; }

private:
    QString m_caption;
};
