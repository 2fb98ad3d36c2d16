#pragma once

#include <QByteArray>
#include <QChar>

// The control words the reader acts on. Anything else is ignored.
enum class RtfKeyword
{
    Unknown,
    Ansi,
    AnsiCodePage,
    DefaultFont,
    FontTable,
    ColorTable,
    SkippedDestination, // content that is not body text (style sheet, pictures, fields' code)
    Binary,
    Paragraph,
    ParagraphDefaults,
    Line,
    Tab,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Font,
    FontSize,
    Color,
    Highlight,
    UnicodeSkip,
    Unicode,
    Charset,
    FontCodePage,
    Red,
    Green,
    Blue,
    NamedCharacter, // \emdash, \bullet and the like; see rtfNamedCharacter
};

RtfKeyword rtfKeyword(const QByteArray& word);
// The character a named-character control word stands for.
QChar rtfNamedCharacter(const QByteArray& word);
