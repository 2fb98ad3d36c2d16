#include "report/report_data_field.h"

#include "report/render_context.h"
#include "report/report_data_source.h"
#include "report/value_text.h"

ReportDataField::ReportDataField(const QString& fieldName, Format format)
    : m_fieldName(fieldName), m_format(format)
{
}

QString ReportDataField::currentText(const RenderContext& context) const
{
    const ReportDataSource* source = context.dataSource;
    if (!source || source->eof())
        return QString();
    if (m_formatter)
        return m_formatter(source->value(m_fieldName));
    switch (m_format) {
    case Format::Amount:
        return ValueText::amount(source->value(m_fieldName));
    case Format::Currency:
        return ValueText::currency(source->value(m_fieldName));
    case Format::Date:
        return ValueText::date(source->value(m_fieldName));
    case Format::DisplayText:
        break;
    }
    return source->displayText(m_fieldName);
}
