#pragma once

#include <QString>
#include <QVariant>

// Turns field values into printed text the way the program shows them.
class ValueText
{
public:
    // Dates as dd-mm-yyyy, numbers as they are, empty for a missing value.
    static QString plain(const QVariant& value);
    // ",0.00" under the separators in force.
    static QString amount(const QVariant& value);
    // "€ 1,234.50".
    static QString currency(const QVariant& value);
    static QString date(const QVariant& value);
};
