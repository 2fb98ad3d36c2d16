#pragma once

#include "report/report_text_element.h"

// Data the engine knows itself: the print date and time, the page number.
class ReportSystemData : public ReportTextElement
{
public:
    enum class Kind
    {
        Date,
        Time,
        DateTime,
        PageNumber,
    };

    explicit ReportSystemData(Kind kind = Kind::Date, const QString& prefix = QString())
        : m_kind(kind), m_prefix(prefix)
    {
    }

    Kind kind() const { return m_kind; }
    void setKind(Kind kind) { m_kind = kind; }
    // Printed before the value, as in "Blad : 3".
    QString prefix() const { return m_prefix; }
    void setPrefix(const QString& prefix) { m_prefix = prefix; }

    QString currentText(const RenderContext& context) const override;

private:
    Kind m_kind;
    QString m_prefix;
};
