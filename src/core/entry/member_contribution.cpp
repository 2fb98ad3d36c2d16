#include "core/entry/member_contribution.h"

#include <QRegularExpression>

#include "core/amount_format.h"

double MemberContribution::amount(const QString& text)
{
    const QString trimmed = text.trimmed();
    static const QRegularExpression decimals(QStringLiteral("^([-+]?\\d+)[.,](\\d{1,2})$"));
    if (const QRegularExpressionMatch match = decimals.match(trimmed); match.hasMatch())
        return (match.captured(1) + QLatin1Char('.') + match.captured(2)).toDouble();
    bool ok = false;
    const double value = AmountFormat::parse(trimmed, &ok);
    return ok ? value : 0.0;
}
