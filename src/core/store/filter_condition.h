#pragma once

#include <QVariant>

// One comparison of a field with a value, checked against the field's type. The value is
// already in the form it is bound in: a double for numbers, an ISO text for dates, 0 or 1
// for booleans, the text as typed for texts and LIKE patterns.
struct FilterCondition
{
    enum class Operator
    {
        Like,
        Equal,
        NotEqual,
        Less,
        LessOrEqual,
        Greater,
        GreaterOrEqual,
        IsEmpty,    // "F = NULL"
        IsNotEmpty, // "F <> NULL"
    };

    int fieldIndex = -1;
    Operator op = Operator::Equal;
    QVariant value;
};
