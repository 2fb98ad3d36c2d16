#pragma once

#include "gui/app/page.h"

class QMenuBar;
class QTextEdit;
class Settings;

// The manual in an editable rich-text view that opens at the heading of the window the
// user came from. The text's font and colour can be changed, saved and printed.
class HelpViewerWindow : public Page
{
    Q_OBJECT
public:
    static constexpr const char* FormName = "TForm37";

    explicit HelpViewerWindow(Settings& settings, QWidget* parent = nullptr);

    // What every window's help button does: remember the heading, load the manual (or
    // write the current text as the manual when it cannot be read) and show the viewer.
    static void showHelp(Page& from, const QString& heading);

    // Writes the manual shipped with the program as ManualFile when there is none yet.
    static QString seedManual(const QString& manualFile);

    // Loads ManualFile; when it cannot be read, saves the current text as ManualFile.
    // Returns a Dutch message on failure.
    QString loadManual();
    // Scrolls to the top and puts the caret at the first exact (case-sensitive) occurrence
    // of `heading`. False when it does not occur.
    bool findHeading(const QString& heading);
    // "Opslaan": writes the text to ManualFile when it changed since loading.
    QString saveManual();
    void printManual();
    void chooseFont();
    void chooseColour();
    // Chooses a chapter from the "Zoeken" menu.
    void findChapter(const QString& heading);

    QTextEdit* editor() const { return m_editor; }
    QMenuBar* menuBar() const { return m_menuBar; }

protected:
    void onShow() override;
    void onActivate() override;
    void onClose() override;

private:
    void buildMenus();
    void findRememberedHeading();

    Settings& m_settings;
    QMenuBar* m_menuBar;
    QTextEdit* m_editor;
};
