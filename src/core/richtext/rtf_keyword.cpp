#include "core/richtext/rtf_keyword.h"

#include <QHash>

namespace {

// Destinations whose content is not body text. Starred destinations are skipped anyway; these
// are the ones writers also emit without the star.
constexpr const char* kSkippedDestinations[] = {"stylesheet", "info",         "pict",
                                                "object",     "header",       "headerl",
                                                "headerr",    "headerf",      "footer",
                                                "footerl",    "footerr",      "footerf",
                                                "footnote",   "annotation",   "fldinst",
                                                "xe",         "tc",           "txe",
                                                "filetbl",    "listtable",    "listoverridetable",
                                                "revtbl",     "rsidtbl",      "themedata",
                                                "datastore",  "objdata",      "private",
                                                "nonshppict", "latentstyles", "colorschememapping",
                                                "pn",         "bkmkstart",    "bkmkend",
                                                "author",     "operator",     "title",
                                                "subject",    "comment",      "doccomm",
                                                "keywords",   "company",      "creatim",
                                                "revtim",     "printim",      "buptim",
                                                "userprops",  "template",     "pgdsctbl",
                                                "generator"};

QHash<QByteArray, QChar> buildNamedCharacters()
{
    return {{"emdash", QChar(0x2014)},    {"endash", QChar(0x2013)},  {"bullet", QChar(0x2022)},
            {"lquote", QChar(0x2018)},    {"rquote", QChar(0x2019)},  {"ldblquote", QChar(0x201C)},
            {"rdblquote", QChar(0x201D)}, {"emspace", QChar(0x2003)}, {"enspace", QChar(0x2002)},
            {"qmspace", QChar(0x2005)}};
}

const QHash<QByteArray, QChar>& namedCharacters()
{
    static const QHash<QByteArray, QChar> table = buildNamedCharacters();
    return table;
}

QHash<QByteArray, RtfKeyword> buildKeywords()
{
    QHash<QByteArray, RtfKeyword> table = {
        {"ansi", RtfKeyword::Ansi},
        {"ansicpg", RtfKeyword::AnsiCodePage},
        {"deff", RtfKeyword::DefaultFont},
        {"fonttbl", RtfKeyword::FontTable},
        {"colortbl", RtfKeyword::ColorTable},
        {"bin", RtfKeyword::Binary},
        {"par", RtfKeyword::Paragraph},
        {"sect", RtfKeyword::Paragraph},
        {"page", RtfKeyword::Paragraph},
        {"row", RtfKeyword::Paragraph},
        {"pard", RtfKeyword::ParagraphDefaults},
        {"line", RtfKeyword::Line},
        {"tab", RtfKeyword::Tab},
        {"cell", RtfKeyword::Tab},
        {"ql", RtfKeyword::AlignLeft},
        {"qc", RtfKeyword::AlignCenter},
        {"qr", RtfKeyword::AlignRight},
        {"qj", RtfKeyword::AlignJustify},
        {"plain", RtfKeyword::Plain},
        {"b", RtfKeyword::Bold},
        {"i", RtfKeyword::Italic},
        {"ul", RtfKeyword::Underline},
        {"uld", RtfKeyword::Underline},
        {"uldash", RtfKeyword::Underline},
        {"uldb", RtfKeyword::Underline},
        {"ulth", RtfKeyword::Underline},
        {"ulw", RtfKeyword::Underline},
        {"ulwave", RtfKeyword::Underline},
        {"ulnone", RtfKeyword::UnderlineNone},
        {"f", RtfKeyword::Font},
        {"fs", RtfKeyword::FontSize},
        {"cf", RtfKeyword::Color},
        {"highlight", RtfKeyword::Highlight},
        {"cb", RtfKeyword::Highlight},
        {"uc", RtfKeyword::UnicodeSkip},
        {"u", RtfKeyword::Unicode},
        {"fcharset", RtfKeyword::Charset},
        {"cpg", RtfKeyword::FontCodePage},
        {"red", RtfKeyword::Red},
        {"green", RtfKeyword::Green},
        {"blue", RtfKeyword::Blue},
    };
    for (const char* destination : kSkippedDestinations)
        table.insert(destination, RtfKeyword::SkippedDestination);
    for (auto it = namedCharacters().cbegin(); it != namedCharacters().cend(); ++it)
        table.insert(it.key(), RtfKeyword::NamedCharacter);
    return table;
}

} // namespace

RtfKeyword rtfKeyword(const QByteArray& word)
{
    static const QHash<QByteArray, RtfKeyword> table = buildKeywords();
    return table.value(word, RtfKeyword::Unknown);
}

QChar rtfNamedCharacter(const QByteArray& word)
{
    return namedCharacters().value(word);
}
