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
    bool echoAnswered = false;
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
    const bool echo = messageLog().echoAnswered;
    messageLog() = MessageLog();
    messageLog().echoAnswered = echo;
}

void MessageBox::setEchoAnswered(bool echo)
{
    messageLog().echoAnswered = echo;
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
        if (log.echoAnswered)
            std::fprintf(stderr, "%s\n", qPrintable(text));
        return log.answers.dequeue();
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        // Nobody can click a box nobody sees: a run without a screen takes the preselected
        // button instead of waiting for ever.
        qWarning("Onbeantwoord berichtvenster: %s", qPrintable(text));
        return preselected;
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(preselected);
    box.setEscapeButton(preselected);
    return QMessageBox::StandardButton(box.exec());
}
