#include "gui/app/administration_colour.h"

#include "core/settings/colour_scheme_record.h"
#include "gui/app/shell.h"
#include "gui/widgets/gradient_panel.h"

namespace {
constexpr const char* ColouredWindows[] = {
    "TForm1",  "TForm3",  "TForm4",  "TForm5",  "TForm6",  "TForm7",  "TForm8",
    "TForm9",  "TForm10", "TForm11", "TForm13", "TForm14", "TForm15", "TForm16",
    "TForm17", "TForm18", "TForm21", "TForm22", "TForm29", "TForm30", "TForm31",
    "TForm32", "TForm33", "TForm34", "TForm35", "TForm36", "TForm38"};
constexpr const char* ColouredPanels[] = {"SRGradient1", "SRGradient2"};

void colourPanel(QObject* window, const char* panelName, const QColor& colour)
{
    if (auto* panel = window->findChild<GradientPanel*>(QLatin1String(panelName)))
        panel->setStartColour(colour);
}
} // namespace

void AdministrationColour::apply(Shell& shell, const QColor& colour)
{
    for (const char* formName : ColouredWindows) {
        QObject* window = shell.object(QLatin1String(formName));
        if (!window)
            continue;
        for (const char* panelName : ColouredPanels)
            colourPanel(window, panelName, colour);
    }
    if (QObject* settingsWindow = shell.object(QStringLiteral("TForm21")))
        colourPanel(settingsWindow, "SRGradient11", colour);
}

QColor AdministrationColour::fromWindowsColour(int colour)
{
    return ColourSchemeRecord::toQColor(colour);
}
