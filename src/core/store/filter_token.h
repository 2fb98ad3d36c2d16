#pragma once

#include <QString>

// One word of a filter text. Positions count characters from 1, as the user sees them.
struct FilterToken
{
    enum class Kind
    {
        Field,      // a name: a field, or a word where a value was meant
        Number,     // 12, -3, 4.5
        Text,       // 'quoted', with '' standing for one quote
        Comparison, // =, <>, >=, <=, <, >
        Like,
        And,
        Or,
        Null,
        True,
        False,
        LeftParen,
        RightParen,
        End,
    };

    Kind kind = Kind::End;
    QString text; // the value of a quoted text, otherwise the word as typed
    int position = 0;
};
