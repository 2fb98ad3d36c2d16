#pragma once

#include <QString>

// The process-wide number format. Amounts show as ",0.00": a thousands separator and two
// decimals. By default "," groups thousands and "." separates decimals; with DutchAmounts set
// the two swap. Every display and entry of an amount goes through here, so switching the
// option changes them all at once.
class AmountFormat
{
public:
    static void setDutchAmounts(bool dutch);
    static bool dutchAmounts();
    static QChar thousandsSeparator();
    static QChar decimalSeparator();

    // ",0.00": 1234.5 -> "1,234.50" (or "1.234,50" with DutchAmounts).
    static QString format(double amount);
    // The currency format: "€ 1,234.50", negative "-€ 1,234.50".
    static QString currency(double amount);
    // Reads an amount typed under the separators in force. Thousands separators are
    // allowed; an empty text or anything else that is not a number fails.
    static double parse(const QString& text, bool* ok);
    // Rounds to whole cents, halves away from zero, the way amounts are shown.
    static double roundCents(double amount);
};
