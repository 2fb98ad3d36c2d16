#pragma once

#include <QString>

#include <vector>

class Page;
class QObject;
class Shell;

// One window or report that exists once for the whole run.
struct WindowCatalogueEntry
{
    using Creator = QObject* (*)(Shell& shell);
    // Opens the object from a page (a button of the main window, a shortcut). Pages need
    // none: they are opened in the caller's place.
    using Launcher = void (*)(Shell& shell, QObject& object, Page& from);

    const char* formName;
    // How far the splash gauge advances once the object exists.
    int gaugeStep;
    // nullptr while the window is not built yet: its main-window button stays disabled.
    Creator create;
    Launcher launch = nullptr;
};

// The objects the program creates at start-up, in their creation order. A new window or
// report fills in the creator (and, for a report, the launcher) of its row in
// window_catalogue.cpp; the shell creates it, adds pages to the frame and enables the main
// window's button that opens it.
class WindowCatalogue
{
public:
    // The spreadsheet exchange window, created even by a refused second copy.
    static const WindowCatalogueEntry& spreadsheetWindow();
    // Everything else, created only by the copy that runs.
    static const std::vector<WindowCatalogueEntry>& entries();
};
