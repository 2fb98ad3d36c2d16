#include "core/richtext/rtf_parser.h"

#include <QTextBlockFormat>
#include <QTextDocument>
#include <algorithm>

namespace {

// Characters that would change the document's structure instead of being text in it: block
// and frame markers and the placeholder of embedded objects. Line ends arrive as \par.
bool isStructuralCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\t') || u == 0x2029 || u == 0xFFFC || u == 0xFDD0 || u == 0xFDD1;
}

QString sanitized(const QString& text)
{
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            clean.append(c);
            clean.append(text[++i]);
        } else if (c.isSurrogate()) {
            clean.append(QChar::ReplacementCharacter);
        } else if (!isStructuralCharacter(c)) {
            clean.append(c);
        }
    }
    return clean;
}

// Font names are looked up by the system; only printable characters can name a font.
QString printableOnly(const QString& text)
{
    QString printable;
    for (const QChar c : text) {
        if (c.isPrint() && !isStructuralCharacter(c))
            printable.append(c);
    }
    return printable;
}

int clampedColorComponent(int value)
{
    return std::clamp(value, 0, 255);
}

} // namespace

RtfParser::RtfParser(QTextDocument& document) : m_cursor(&document) {}

void RtfParser::parse(QByteArrayView rtf)
{
    m_tokenizer = RtfTokenizer(rtf);
    while (!m_finished) {
        const RtfToken token = m_tokenizer.next();
        if (token.kind == RtfToken::Kind::End)
            break;
        handleToken(token);
    }
    finish();
}

void RtfParser::handleToken(const RtfToken& token)
{
    switch (token.kind) {
    case RtfToken::Kind::GroupOpen:
        openGroup();
        break;
    case RtfToken::Kind::GroupClose:
        closeGroup();
        break;
    case RtfToken::Kind::ControlWord:
        handleControlWord(token);
        break;
    case RtfToken::Kind::ControlSymbol:
        handleControlSymbol(token.symbol);
        break;
    case RtfToken::Kind::HexByte:
        handleHexByte(token.byte);
        break;
    case RtfToken::Kind::Text:
        handleText(token.text);
        break;
    case RtfToken::Kind::End:
        break;
    }
}

void RtfParser::openGroup()
{
    flushText();
    m_pendingSkip = 0;
    m_nextIsIgnorable = false;
    if (m_skippedDepth > 0 || m_savedStates.size() >= kMaxGroupDepth) {
        ++m_skippedDepth;
        return;
    }
    m_savedStates.push_back(m_state);
}

void RtfParser::closeGroup()
{
    flushText();
    m_pendingSkip = 0;
    m_nextIsIgnorable = false;
    if (m_skippedDepth > 0) {
        --m_skippedDepth;
        return;
    }
    if (m_savedStates.empty()) {
        m_finished = true; // the document's outer group has closed; what follows is not RTF
        return;
    }
    m_state = m_savedStates.back();
    m_savedStates.pop_back();
}

bool RtfParser::consumeSkippedCharacter()
{
    if (m_pendingSkip <= 0)
        return false;
    --m_pendingSkip;
    return true;
}

void RtfParser::handleText(const QByteArray& text)
{
    if (m_skippedDepth > 0 || m_state.destination == RtfDestination::Skip)
        return;
    qsizetype start = 0;
    while (start < text.size() && consumeSkippedCharacter())
        ++start;
    const QByteArray bytes = text.mid(start);
    switch (m_state.destination) {
    case RtfDestination::Body:
        m_pendingBytes.append(bytes);
        break;
    case RtfDestination::FontTable:
        handleFontTableText(m_decoder.decode(bytes, 1252));
        break;
    case RtfDestination::ColorTable:
        handleColorTableText(bytes);
        break;
    case RtfDestination::Skip:
        break;
    }
}

void RtfParser::handleHexByte(unsigned char byte)
{
    if (consumeSkippedCharacter())
        return;
    handleText(QByteArray(1, static_cast<char>(byte)));
}

void RtfParser::handleControlSymbol(char symbol)
{
    if (m_skippedDepth > 0 || m_state.destination == RtfDestination::Skip)
        return;
    if (consumeSkippedCharacter())
        return;
    switch (symbol) {
    case '*':
        m_nextIsIgnorable = true;
        return;
    case '~':
        appendCharacter(QChar(0x00A0));
        return;
    case '_':
        appendCharacter(QChar(0x2011));
        return;
    case '-':
        appendCharacter(QChar(0x00AD));
        return;
    case '\n':
    case '\r':
        breakParagraph();
        return;
    default:
        return;
    }
}

void RtfParser::handleControlWord(const RtfToken& token)
{
    if (m_skippedDepth > 0)
        return;
    const RtfKeyword keyword = rtfKeyword(token.word);
    if (keyword == RtfKeyword::Binary) {
        m_tokenizer.skipBytes(std::max(token.parameter, 0));
        return;
    }
    if (m_state.destination == RtfDestination::Skip)
        return;
    if (consumeSkippedCharacter())
        return;
    if (handleDestinationWord(keyword))
        return;
    switch (m_state.destination) {
    case RtfDestination::Body:
        handleBodyWord(keyword, token);
        break;
    case RtfDestination::FontTable:
        handleFontTableWord(keyword, token);
        break;
    case RtfDestination::ColorTable:
        handleColorTableWord(keyword, token);
        break;
    case RtfDestination::Skip:
        break;
    }
}

bool RtfParser::handleDestinationWord(RtfKeyword keyword)
{
    const bool ignorable = std::exchange(m_nextIsIgnorable, false);
    if (keyword == RtfKeyword::FontTable || keyword == RtfKeyword::ColorTable) {
        flushText();
        m_state.destination = keyword == RtfKeyword::FontTable ? RtfDestination::FontTable
                                                               : RtfDestination::ColorTable;
        return true;
    }
    if (ignorable || keyword == RtfKeyword::SkippedDestination) {
        flushText();
        m_state.destination = RtfDestination::Skip;
        return true;
    }
    return false;
}

void RtfParser::handleBodyWord(RtfKeyword keyword, const RtfToken& token)
{
    if (keyword == RtfKeyword::Unicode) {
        handleUnicode(token.parameter);
        return;
    }
    flushText();
    switch (keyword) {
    case RtfKeyword::Ansi:
        m_documentCodePage = CodePageDecoder::kWindows1252;
        break;
    case RtfKeyword::AnsiCodePage:
        if (token.hasParameter && token.parameter > 0)
            m_documentCodePage = token.parameter;
        break;
    case RtfKeyword::DefaultFont:
        m_defaultFont = token.parameter;
        if (m_state.fontIndex < 0)
            m_state.fontIndex = m_defaultFont;
        break;
    case RtfKeyword::Paragraph:
        breakParagraph();
        break;
    case RtfKeyword::ParagraphDefaults:
        m_state.alignment = Qt::AlignLeft;
        break;
    case RtfKeyword::AlignLeft:
        m_state.alignment = Qt::AlignLeft;
        break;
    case RtfKeyword::AlignCenter:
        m_state.alignment = Qt::AlignHCenter;
        break;
    case RtfKeyword::AlignRight:
        m_state.alignment = Qt::AlignRight;
        break;
    case RtfKeyword::AlignJustify:
        m_state.alignment = Qt::AlignJustify;
        break;
    case RtfKeyword::Line:
        appendCharacter(QChar::LineSeparator);
        break;
    case RtfKeyword::Tab:
        appendCharacter(QChar('\t'));
        break;
    case RtfKeyword::NamedCharacter:
        appendCharacter(rtfNamedCharacter(token.word));
        break;
    default:
        handleFormatWord(keyword, token);
        break;
    }
}

void RtfParser::handleFormatWord(RtfKeyword keyword, const RtfToken& token)
{
    const bool switchedOn = !token.hasParameter || token.parameter != 0;
    switch (keyword) {
    case RtfKeyword::Plain:
        m_state.resetCharacterFormat(m_defaultFont);
        break;
    case RtfKeyword::Bold:
        m_state.bold = switchedOn;
        break;
    case RtfKeyword::Italic:
        m_state.italic = switchedOn;
        break;
    case RtfKeyword::Underline:
        m_state.underline = switchedOn;
        break;
    case RtfKeyword::UnderlineNone:
        m_state.underline = false;
        break;
    case RtfKeyword::Font:
        m_state.fontIndex = token.parameter;
        break;
    case RtfKeyword::FontSize:
        if (token.parameter > 0)
            m_state.halfPoints = std::min(token.parameter, kMaxHalfPoints);
        break;
    case RtfKeyword::Color:
        m_state.colorIndex = token.parameter;
        break;
    case RtfKeyword::Highlight:
        m_state.highlightIndex = token.parameter;
        break;
    case RtfKeyword::UnicodeSkip:
        m_state.unicodeSkip = std::clamp(token.parameter, 0, kMaxUnicodeSkip);
        break;
    default:
        break;
    }
}

void RtfParser::handleFontTableWord(RtfKeyword keyword, const RtfToken& token)
{
    switch (keyword) {
    case RtfKeyword::Font:
        m_fontBeingDefined = token.parameter;
        m_fonts[m_fontBeingDefined] = RtfFontEntry();
        break;
    case RtfKeyword::Charset:
        if (m_fonts.count(m_fontBeingDefined))
            m_fonts[m_fontBeingDefined].codePage =
                CodePageDecoder::codePageForCharset(token.parameter);
        break;
    case RtfKeyword::FontCodePage:
        if (m_fonts.count(m_fontBeingDefined) && token.parameter > 0)
            m_fonts[m_fontBeingDefined].codePage = token.parameter;
        break;
    case RtfKeyword::Unicode:
        handleFontTableText(QString(QChar(static_cast<char16_t>(token.parameter))));
        m_pendingSkip = m_state.unicodeSkip;
        break;
    default:
        break;
    }
}

void RtfParser::handleFontTableText(const QString& text)
{
    const auto found = m_fonts.find(m_fontBeingDefined);
    if (found == m_fonts.end() || found->second.nameComplete)
        return;
    RtfFontEntry& font = found->second;
    const qsizetype end = text.indexOf(QLatin1Char(';'));
    font.name += printableOnly(end < 0 ? text : text.left(end));
    if (end >= 0)
        font.nameComplete = true;
}

void RtfParser::handleColorTableWord(RtfKeyword keyword, const RtfToken& token)
{
    switch (keyword) {
    case RtfKeyword::Red:
        m_red = clampedColorComponent(token.parameter);
        break;
    case RtfKeyword::Green:
        m_green = clampedColorComponent(token.parameter);
        break;
    case RtfKeyword::Blue:
        m_blue = clampedColorComponent(token.parameter);
        break;
    default:
        return;
    }
    m_colorHasComponent = true;
}

void RtfParser::handleColorTableText(const QByteArray& text)
{
    for (const char c : text) {
        if (c != ';')
            continue;
        if (m_colorHasComponent)
            m_colors.emplace_back(QColor(m_red, m_green, m_blue));
        else
            m_colors.emplace_back(std::nullopt); // an empty entry is the automatic colour
        m_red = m_green = m_blue = 0;
        m_colorHasComponent = false;
    }
}

void RtfParser::handleUnicode(int value)
{
    // \u takes a signed 16-bit number; negative values stand for the upper half.
    const auto unit = static_cast<char16_t>(value < 0 ? value + 65536 : value);
    appendCharacter(QChar(unit));
    m_pendingSkip = m_state.unicodeSkip;
}

void RtfParser::appendCharacter(QChar character)
{
    if (m_state.destination != RtfDestination::Body)
        return;
    decodePendingBytes();
    m_pendingText.append(character);
}

void RtfParser::decodePendingBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_pendingText += m_decoder.decode(m_pendingBytes, currentCodePage());
    m_pendingBytes.clear();
}

void RtfParser::flushText()
{
    decodePendingBytes();
    if (m_pendingText.isEmpty())
        return;
    insertText(sanitized(m_pendingText));
    m_pendingText.clear();
}

void RtfParser::insertText(const QString& text)
{
    if (text.isEmpty())
        return;
    openPendingParagraph();
    m_cursor.insertText(text, currentCharFormat());
    m_blockHasContent = true;
    m_lastTextAlignment = m_state.alignment;
}

// A paragraph mark ends the paragraph before it. The new paragraph only comes into being when
// something follows, so the mark that closes the last paragraph adds no empty one.
void RtfParser::breakParagraph()
{
    flushText();
    openPendingParagraph();
    applyAlignment(m_state.alignment);
    m_paragraphPending = true;
}

void RtfParser::openPendingParagraph()
{
    if (!m_paragraphPending)
        return;
    m_cursor.insertBlock();
    m_paragraphPending = false;
    m_blockHasContent = false;
}

void RtfParser::finish()
{
    flushText();
    if (!m_paragraphPending && m_blockHasContent)
        applyAlignment(m_lastTextAlignment);
}

void RtfParser::applyAlignment(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    m_cursor.mergeBlockFormat(format);
}

int RtfParser::currentCodePage() const
{
    const auto found = m_fonts.find(m_state.fontIndex);
    if (found != m_fonts.end() && found->second.codePage > 0)
        return found->second.codePage;
    return m_documentCodePage;
}

QTextCharFormat RtfParser::currentCharFormat() const
{
    QTextCharFormat format;
    format.setFontWeight(m_state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(m_state.italic);
    format.setFontUnderline(m_state.underline);
    format.setFontPointSize(m_state.halfPoints / 2.0);
    const auto font = m_fonts.find(m_state.fontIndex);
    // A name is trimmed only here: its pieces may arrive split around blanks.
    const QString family = font != m_fonts.end() ? font->second.name.trimmed() : QString();
    if (!family.isEmpty())
        format.setFontFamilies(QStringList{family});
    if (const auto color = tableColor(m_state.colorIndex))
        format.setForeground(*color);
    if (const auto background = tableColor(m_state.highlightIndex))
        format.setBackground(*background);
    return format;
}

std::optional<QColor> RtfParser::tableColor(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_colors.size()))
        return std::nullopt;
    return m_colors[static_cast<std::size_t>(index)];
}
