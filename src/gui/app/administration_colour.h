#pragma once

#include <QColor>

class Shell;

// Gives the two gradient panels of every window that carries the administration's colour
// (and the settings window's preview) that colour as their start colour.
class AdministrationColour
{
public:
    static void apply(Shell& shell, const QColor& colour);
    static QColor fromWindowsColour(int colour);
};
