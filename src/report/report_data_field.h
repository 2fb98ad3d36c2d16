#pragma once

#include "report/report_text_element.h"

#include <QVariant>
#include <functional>

// A field of the record being printed.
class ReportDataField : public ReportTextElement
{
public:
    enum class Format
    {
        DisplayText, // the data source's own display text
        Amount,      // ",0.00"
        Currency,    // "€ 1,234.50"
        Date,        // dd-mm-yyyy
    };
    using Formatter = std::function<QString(const QVariant&)>;

    explicit ReportDataField(const QString& fieldName = QString(),
                             Format format = Format::DisplayText);

    QString fieldName() const { return m_fieldName; }
    void setFieldName(const QString& fieldName) { m_fieldName = fieldName; }
    Format format() const { return m_format; }
    void setFormat(Format format) { m_format = format; }
    // Overrides the format for texts the standard ones do not give.
    void setFormatter(Formatter formatter) { m_formatter = std::move(formatter); }

    QString currentText(const RenderContext& context) const override;

private:
    QString m_fieldName;
    Format m_format = Format::DisplayText;
    Formatter m_formatter;
};
