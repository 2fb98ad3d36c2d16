#pragma once

#include <QColor>
#include <QFont>
#include <optional>

class QPrinter;
class QWidget;

// The font, colour and print dialogs, with the same kind of test seam as MessageBox: a
// queued choice is taken instead of showing the dialog. std::nullopt (or false) in the
// queue is a cancelled dialog.
class StandardDialogs
{
public:
    static std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial);
    static std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial);
    // Lets the user set up the printer; true when confirmed.
    static bool confirmPrint(QWidget* parent, QPrinter& printer);

    // Test seam.
    static void setNextFont(const std::optional<QFont>& font);
    static void setNextColour(const std::optional<QColor>& colour);
    static void setNextPrintAnswer(bool confirmed);
    static void clearChoices();
};
