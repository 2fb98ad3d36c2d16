#include "gui/app/standard_dialogs.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QQueue>

namespace {
struct DialogChoices
{
    QQueue<std::optional<QFont>> fonts;
    QQueue<std::optional<QColor>> colours;
    QQueue<bool> printAnswers;
};

DialogChoices& dialogChoices()
{
    static DialogChoices choices;
    return choices;
}
} // namespace

std::optional<QFont> StandardDialogs::chooseFont(QWidget* parent, const QFont& initial)
{
    if (!dialogChoices().fonts.isEmpty())
        return dialogChoices().fonts.dequeue();
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> StandardDialogs::chooseColour(QWidget* parent, const QColor& initial)
{
    if (!dialogChoices().colours.isEmpty())
        return dialogChoices().colours.dequeue();
    const QColor colour = QColorDialog::getColor(initial, parent);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

bool StandardDialogs::confirmPrint(QWidget* parent, QPrinter& printer)
{
    if (!dialogChoices().printAnswers.isEmpty())
        return dialogChoices().printAnswers.dequeue();
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void StandardDialogs::setNextFont(const std::optional<QFont>& font)
{
    dialogChoices().fonts.enqueue(font);
}

void StandardDialogs::setNextColour(const std::optional<QColor>& colour)
{
    dialogChoices().colours.enqueue(colour);
}

void StandardDialogs::setNextPrintAnswer(bool confirmed)
{
    dialogChoices().printAnswers.enqueue(confirmed);
}

void StandardDialogs::clearChoices()
{
    dialogChoices() = DialogChoices();
}
