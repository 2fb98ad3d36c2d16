#include "core/amount_format.h"

#include <cmath>

namespace {
bool g_dutch = false;
}

void AmountFormat::setDutchAmounts(bool dutch)
{
    g_dutch = dutch;
}

bool AmountFormat::dutchAmounts()
{
    return g_dutch;
}

QChar AmountFormat::thousandsSeparator()
{
    return g_dutch ? QChar('.') : QChar(',');
}

QChar AmountFormat::decimalSeparator()
{
    return g_dutch ? QChar(',') : QChar('.');
}

double AmountFormat::roundCents(double amount)
{
    // The small nudge keeps 0.125 stored as 0.12499999... rounding up as typed.
    const double scaled = std::fabs(amount) * 100.0;
    const double rounded = std::floor(scaled + 0.5 + 1e-9) / 100.0;
    return amount < 0 ? -rounded : rounded;
}

QString AmountFormat::format(double amount)
{
    const double rounded = roundCents(amount);
    const bool negative = rounded < 0;
    const long long cents = std::llround(std::fabs(rounded) * 100.0);
    QString whole = QString::number(cents / 100);
    for (int i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, thousandsSeparator());
    const QString fraction = QString::number(cents % 100).rightJustified(2, '0');
    return (negative ? QStringLiteral("-") : QString()) + whole + decimalSeparator() + fraction;
}

QString AmountFormat::currency(double amount)
{
    const QString text = format(std::fabs(amount));
    if (roundCents(amount) < 0)
        return QStringLiteral("-€ ") + text;
    return QStringLiteral("€ ") + text;
}

double AmountFormat::parse(const QString& text, bool* ok)
{
    QString t = text.trimmed();
    t.remove(QChar(' '));
    t.remove(QStringLiteral("€"));
    if (t.isEmpty()) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    t.remove(thousandsSeparator());
    t.replace(decimalSeparator(), QChar('.'));
    bool good = false;
    const double value = t.toDouble(&good);
    if (ok)
        *ok = good && std::isfinite(value);
    return good ? value : 0.0;
}
