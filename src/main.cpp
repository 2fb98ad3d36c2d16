#include "core/app/check_command.h"
#include "core/settings/settings.h"
#include "gui/app/application_frame.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/app/termination_watcher.h"
#include "gui/overviews/report_preview_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <cstring>

namespace {
bool hasOption(int argc, char** argv, const char* option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

QString optionValue(int argc, char** argv, const char* option)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return {};
}

int runCheck(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return CheckCommand::run(Settings::shared(), out, err);
}

// Answers given in advance, for running the program under a test harness: a comma
// separated list of "ok", "yes" and "no".
void queueAnswersFromEnvironment()
{
    const QString answers = qEnvironmentVariable("FONDIREX_MESSAGE_ANSWERS");
    MessageBox::setEchoAnswered(!answers.isEmpty());
    for (const QString& answer : answers.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString word = answer.trimmed().toLower();
        MessageBox::setNextAnswer(word == QLatin1String("yes")  ? QMessageBox::Yes
                                  : word == QLatin1String("no") ? QMessageBox::No
                                                                : QMessageBox::Ok);
    }
}

// After the first show sequence: end at once (start-up timing) or save a picture of the
// main window first.
void finishEarly(Shell& shell, bool quit, const QString& screenshot)
{
    if (!quit && screenshot.isEmpty())
        return;
    QTimer::singleShot(screenshot.isEmpty() ? 0 : 500, &shell, [&shell, screenshot] {
        if (!screenshot.isEmpty())
            shell.frame().grab().save(screenshot);
        QCoreApplication::quit();
    });
}
} // namespace

int main(int argc, char** argv)
{
    if (hasOption(argc, argv, "--check"))
        return runCheck(argc, argv);

    QApplication app(argc, argv);
    queueAnswersFromEnvironment();
    // Reports open in the print preview; tests that need no screen leave it out.
    ReportPreviewDialog::install();
    Shell shell(Settings::shared());
    if (!shell.start())
        return 1;
    TerminationWatcher termination;
    // Ending from outside closes the program as its close box does, without questions.
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &shell,
                     [&shell] { shell.endProgram(); });
    finishEarly(shell, hasOption(argc, argv, "--quit-after-start"),
                optionValue(argc, argv, "--screenshot"));
    return app.exec();
}
