#include "report/report_system_data.h"

#include "report/render_context.h"

QString ReportSystemData::currentText(const RenderContext& context) const
{
    switch (m_kind) {
    case Kind::Date:
        return m_prefix + context.printTime.date().toString(QStringLiteral("dd-MM-yyyy"));
    case Kind::Time:
        return m_prefix + context.printTime.time().toString(QStringLiteral("HH:mm"));
    case Kind::DateTime:
        return m_prefix + context.printTime.toString(QStringLiteral("dd-MM-yyyy HH:mm"));
    case Kind::PageNumber:
        return m_prefix + QString::number(context.pageNumber);
    }
    return m_prefix;
}
