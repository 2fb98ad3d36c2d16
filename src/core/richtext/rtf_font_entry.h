#pragma once

#include <QString>

// One entry of an RTF font table.
struct RtfFontEntry
{
    QString name;
    int codePage = 0; // 0: the document's code page
    bool nameComplete = false;
};
