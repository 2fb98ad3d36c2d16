#include "core/books/statement_amount.h"

#include "core/amount_format.h"

StatementAmount StatementAmount::number(double value)
{
    const double rounded = cents(value);
    return {true, rounded, AmountFormat::format(rounded), false};
}

StatementAmount StatementAmount::money(double value)
{
    const double rounded = cents(value);
    return {true, rounded, AmountFormat::currency(rounded), true};
}

bool StatementAmount::isZero(double value)
{
    return cents(value) == 0.0;
}

double StatementAmount::cents(double value)
{
    // Adding 0.0 turns a rounded -0.0 into 0.0, so a zero never prints with a sign.
    return AmountFormat::roundCents(value) + 0.0;
}
