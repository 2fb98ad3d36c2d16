#include "gui/app/message_box.h"

#include <QApplication>
#include <QQueue>

#include <cstdio>

namespace {
struct MessageLog
{
    QQueue<QMessageBox::StandardButton> answers;
    QString lastText;
    QString lastTitle;
    int shown = 0;
};

MessageLog& messageLog()
{
    static MessageLog log;
    return log;
}

QString applicationTitle()
{
    return QGuiApplication::applicationDisplayName();
}
} // namespace

void MessageBox::information(QWidget* parent, const QString& text, const QString& title)
{
    ask(parent, QMessageBox::NoIcon, title.isEmpty() ? applicationTitle() : title, text,
        QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::error(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBox::question(QWidget* parent, const QString& text, const QString& title)
{
    return ask(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    messageLog().answers.enqueue(answer);
}

void MessageBox::clearAnswers()
{
    messageLog() = MessageLog();
}

int MessageBox::pendingAnswers()
{
    return int(messageLog().answers.size());
}

QString MessageBox::lastText()
{
    return messageLog().lastText;
}

QString MessageBox::lastTitle()
{
    return messageLog().lastTitle;
}

int MessageBox::shownCount()
{
    return messageLog().shown;
}

QMessageBox::StandardButton MessageBox::ask(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton preselected)
{
    MessageLog& log = messageLog();
    log.lastText = text;
    log.lastTitle = title;
    ++log.shown;
    if (!log.answers.isEmpty()) {
        // Answered in advance: a program run under a test harness leaves a trace of the box
        // on standard error, where the harness reads it.
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return log.answers.dequeue();
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(preselected);
    box.setEscapeButton(preselected);
    return QMessageBox::StandardButton(box.exec());
}
