#pragma once

#include "core/app/app_state.h"
#include "core/settings/settings.h"
#include "gui/app/application_frame.h"
#include "gui/app/file_dialog.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/app/standard_dialogs.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A program directory and a drive in a temporary directory, and a started shell on them.
// Everything is removed again when the fixture goes out of scope.
struct ShellFixture
{
    QTemporaryDir dir;
    QByteArray savedHome = qgetenv("HOME");
    std::unique_ptr<Settings> settings;
    std::unique_ptr<Shell> shell;

    // With `writeLocation` the program directory gets a basedrive.dat that points the drive
    // into the temporary directory; without it the drive defaults to $HOME, which points
    // there too.
    explicit ShellFixture(bool writeLocation = true)
    {
        qputenv("HOME", home().toLocal8Bit());
        qputenv("FONDIREX_CONFIG_DIR", programDirectory().toLocal8Bit());
        settings = std::make_unique<Settings>(programDirectory());
        if (writeLocation) {
            settings->location().DriveText = drive();
            settings->location().DirectoryText = QStringLiteral("/fondirex");
            if (!settings->writeLocation())
                qFatal("basedrive.dat kan niet worden geschreven");
        }
        MessageBox::clearAnswers();
        FileDialog::clearFileNames();
        StandardDialogs::clearChoices();
        AppState::DataChanged = 0;
        AppState::HelpHeading.clear();
    }
    ~ShellFixture()
    {
        shell.reset();
        MessageBox::clearAnswers();
        AppState::DataChanged = 0;
        AppState::HelpHeading.clear();
        qputenv("HOME", savedHome);
    }

    QString programDirectory() const { return dir.path() + QStringLiteral("/config"); }
    QString home() const { return dir.path() + QStringLiteral("/home"); }
    QString drive() const { return dir.path() + QStringLiteral("/drive"); }

    bool start()
    {
        shell = std::make_unique<Shell>(*settings);
        return shell->start();
    }
    MainWindow& mainWindow() { return shell->mainWindow(); }
    template <typename T> T* child(const QString& name) { return mainWindow().findChild<T*>(name); }
};
