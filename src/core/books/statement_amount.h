#pragma once

#include <QString>

// One amount cell of a statement line: the value as it is printed (already turned to the
// column's sign and rounded to cents) and the text to print, in the number format or, for
// the grand totals, in the currency format under the separators in force. An absent cell
// prints nothing.
struct StatementAmount
{
    bool present = false;
    double value = 0.0;
    QString text;
    bool currency = false;

    // ",0.00" with a leading minus sign for negative values.
    static StatementAmount number(double value);
    // The currency format with two decimals.
    static StatementAmount money(double value);
    // A balance that prints as 0.00 counts as zero: a left-over of a cent's fraction must
    // not put an empty row on paper or turn a zero result into a loss.
    static bool isZero(double value);
    static double cents(double value);
};
