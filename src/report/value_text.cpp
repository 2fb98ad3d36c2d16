#include "report/value_text.h"

#include "core/amount_format.h"

#include <QDate>
#include <QDateTime>

namespace {
const QString kDateFormat = QStringLiteral("dd-MM-yyyy");

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

double numberOf(const QVariant& value, bool* ok)
{
    if (isNumber(value)) {
        *ok = true;
        return value.toDouble();
    }
    return value.toString().toDouble(ok);
}
} // namespace

QString ValueText::plain(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
        return date(value);
    return value.toString();
}

QString ValueText::amount(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    bool ok = false;
    const double number = numberOf(value, &ok);
    return ok ? AmountFormat::format(number) : value.toString();
}

QString ValueText::currency(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    bool ok = false;
    const double number = numberOf(value, &ok);
    return ok ? AmountFormat::currency(number) : value.toString();
}

QString ValueText::date(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date().toString(kDateFormat);
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(kDateFormat);
    return value.toString();
}
