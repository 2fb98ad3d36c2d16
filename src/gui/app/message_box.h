#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program goes through here. Tests queue the answers in advance
// with setNextAnswer(): a queued answer is taken instead of showing the box, so every flow
// runs headless. The text and title of the last box are kept either way.
class MessageBox
{
public:
    // A plain box with an OK button.
    static void information(QWidget* parent, const QString& text, const QString& title = QString());
    // The standard error box for failures of the table store and of files.
    static void error(QWidget* parent, const QString& text);
    // A yes/no question with "No" preselected. True when answered Yes.
    static bool question(QWidget* parent, const QString& text, const QString& title);

    // Test seam: answers for the next boxes, taken in order.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void clearAnswers();
    static int pendingAnswers();
    static QString lastText();
    static QString lastTitle();
    // Number of boxes shown or answered since the last clearAnswers().
    static int shownCount();
    // Writes the text of every box answered in advance to standard error, where a harness
    // that runs the program as a child process reads it.
    static void setEchoAnswered(bool echo);

private:
    static QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton preselected);
};
