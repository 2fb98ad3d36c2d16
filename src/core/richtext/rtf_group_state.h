#pragma once

#include <Qt>

// Where the text of the current group goes.
enum class RtfDestination
{
    Body,
    FontTable,
    ColorTable,
    Skip // a destination this reader does not show: its whole group is passed over
};

// The properties an RTF group inherits from its parent and drops again at its closing brace.
struct RtfGroupState
{
    static constexpr int kDefaultHalfPoints = 24;

    RtfDestination destination = RtfDestination::Body;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fontIndex = -1; // -1: no font chosen, the document's default applies
    int halfPoints = kDefaultHalfPoints;
    int colorIndex = 0;     // 0 is the automatic colour
    int highlightIndex = 0; // 0 is no background
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1; // bytes of fallback text that follow each \uN

    void resetCharacterFormat(int defaultFont)
    {
        bold = italic = underline = false;
        fontIndex = defaultFont;
        halfPoints = kDefaultHalfPoints;
        colorIndex = highlightIndex = 0;
    }
};
