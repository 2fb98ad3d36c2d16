#pragma once

#include <QByteArray>
#include <QByteArrayView>

// One lexical piece of an RTF stream.
struct RtfToken
{
    enum class Kind
    {
        GroupOpen,
        GroupClose,
        ControlWord,   // \word or \wordN; `word` and `parameter`
        ControlSymbol, // \x for a non-letter x other than the escapes; `symbol`
        HexByte,       // \'hh; `byte`
        Text,          // a run of literal bytes, escapes already resolved; `text`
        End
    };

    Kind kind = Kind::End;
    QByteArray word;
    bool hasParameter = false;
    int parameter = 0;
    char symbol = 0;
    unsigned char byte = 0;
    QByteArray text;
};
