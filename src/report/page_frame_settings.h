#pragma once

#include <QString>

// The shared settings the page frame prints from; the frame only reads them.
struct PageFrameSettings
{
    QString associationName;
    // Full path of the logo picture; a missing or unreadable file prints no logo.
    QString logoFile;
    bool printLogo = false;
    bool printLogoLeft = false;
    bool printLogoRight = false;
    // The logo's printed size in screen pixels (at most 355 x 150).
    int logoWidth = 0;
    int logoHeight = 0;
};
