#pragma once

#include "core/richtext/code_page_decoder.h"
#include "core/richtext/rtf_font_entry.h"
#include "core/richtext/rtf_group_state.h"
#include "core/richtext/rtf_keyword.h"
#include "core/richtext/rtf_token.h"
#include "core/richtext/rtf_tokenizer.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <map>
#include <optional>
#include <vector>

class QTextDocument;

// Fills a QTextDocument from the tokens of one RTF stream. Whatever it does not understand it
// passes over; malformed input costs at most a bounded amount of state: groups nested deeper
// than kMaxGroupDepth are skipped whole and every number is clamped by the tokenizer.
class RtfParser
{
public:
    static constexpr int kMaxGroupDepth = 200;
    static constexpr int kMaxUnicodeSkip = 16;
    static constexpr int kMaxHalfPoints = 3276;

    explicit RtfParser(QTextDocument& document);
    void parse(QByteArrayView rtf);

private:
    void handleToken(const RtfToken& token);
    void openGroup();
    void closeGroup();
    void handleText(const QByteArray& text);
    void handleHexByte(unsigned char byte);
    void handleControlSymbol(char symbol);
    void handleControlWord(const RtfToken& token);
    bool handleDestinationWord(RtfKeyword keyword);
    void handleBodyWord(RtfKeyword keyword, const RtfToken& token);
    void handleFormatWord(RtfKeyword keyword, const RtfToken& token);
    void handleFontTableWord(RtfKeyword keyword, const RtfToken& token);
    void handleColorTableWord(RtfKeyword keyword, const RtfToken& token);
    void handleFontTableText(const QString& text);
    void handleColorTableText(const QByteArray& text);
    void handleUnicode(int value);
    bool consumeSkippedCharacter();

    void appendCharacter(QChar character);
    void decodePendingBytes();
    void flushText();
    void insertText(const QString& text);
    void breakParagraph();
    void finish();
    void applyAlignment(Qt::Alignment alignment);
    void openPendingParagraph();

    int currentCodePage() const;
    QTextCharFormat currentCharFormat() const;
    std::optional<QColor> tableColor(int index) const;

    QTextCursor m_cursor;
    RtfTokenizer m_tokenizer{QByteArrayView()};
    CodePageDecoder m_decoder;

    RtfGroupState m_state;
    std::vector<RtfGroupState> m_savedStates;
    int m_skippedDepth = 0; // groups opened beyond kMaxGroupDepth, skipped whole
    bool m_finished = false;
    bool m_nextIsIgnorable = false;
    int m_pendingSkip = 0;

    int m_documentCodePage = CodePageDecoder::kWindows1252;
    int m_defaultFont = -1;
    std::map<int, RtfFontEntry> m_fonts;
    int m_fontBeingDefined = -1;
    std::vector<std::optional<QColor>> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorHasComponent = false;

    QByteArray m_pendingBytes;
    QString m_pendingText;
    bool m_paragraphPending = false;
    bool m_blockHasContent = false;
    Qt::Alignment m_lastTextAlignment = Qt::AlignLeft;
};
