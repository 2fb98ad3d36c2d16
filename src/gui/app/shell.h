#pragma once

#include "core/app/single_instance_guard.h"
#include "core/data/data_module.h"
#include "core/ledger/ledger.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

class ApplicationFrame;
class MainWindow;
class Page;
class ProcessedNotice;
class Settings;
class SplashWindow;
struct WindowCatalogueEntry;

// The running program: the shared data module and ledger, the frame with its pages and
// every window and report that exists once. Start-up and shutdown run here.
class Shell : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* ApplicationTitle = "Vozeviroruvodedavaro";
    static constexpr const char* AlreadyRunningText = "Het programma is reeds actief";

    explicit Shell(Settings& settings, QObject* parent = nullptr);
    ~Shell() override;

    // The shell of this process, or nullptr before one exists.
    static Shell* instance();

    // Splash, title, main window, single-instance guard, every window in creation order,
    // then the main window is shown. False for a refused second copy, which has shown its
    // message and should end.
    bool start();
    // The main window's close handler: deactivates the tables.
    void shutdown();
    // Closes the shown windows back to the main window and then the main window itself, as
    // their close boxes would: without the backup question.
    void endProgram();

    Settings& settings() { return m_settings; }
    DataModule& data() { return m_data; }
    Ledger& ledger() { return m_ledger; }
    ApplicationFrame& frame() { return *m_frame; }
    MainWindow& mainWindow() { return *m_mainWindow; }
    SingleInstanceGuard& guard() { return m_guard; }
    int splashProgress() const { return m_splashProgress; }

    // The window or report with this form name, or nullptr when it does not exist.
    QObject* object(const QString& formName) const;
    template <typename T> T* find(const QString& formName) const
    {
        return qobject_cast<T*>(object(formName));
    }
    Page* page(const QString& formName) const;

    // Makes an object known under its form name (pages join the frame). The shell owns it.
    void registerObject(const QString& formName, QObject* object,
                        void (*launch)(Shell&, QObject&, Page&) = nullptr);
    // Whether `formName` can be opened: it exists and is a page or has a launcher.
    bool canLaunch(const QString& formName) const;
    void launch(const QString& formName, Page& from);

    void showProcessedNotice(const QPoint& topLeft);

    // While one exists, failures of the tables are not shown in an error box, because the
    // caller reports the same failure itself.
    class QuietTableErrors
    {
    public:
        explicit QuietTableErrors(Shell& shell) : m_shell(shell) { ++m_shell.m_quietDepth; }
        ~QuietTableErrors() { --m_shell.m_quietDepth; }
        QuietTableErrors(const QuietTableErrors&) = delete;
        QuietTableErrors& operator=(const QuietTableErrors&) = delete;

    private:
        Shell& m_shell;
    };

signals:
    // The main window finished its first show sequence.
    void started();

private:
    void createMainWindow();
    bool claimSingleInstance();
    void createFromCatalogue(const WindowCatalogueEntry& entry);
    void advanceSplash(int step);
    void reportTableErrors();

    Settings& m_settings;
    DataModule m_data;
    Ledger m_ledger{m_data};
    SingleInstanceGuard m_guard;
    ApplicationFrame* m_frame = nullptr;
    MainWindow* m_mainWindow = nullptr;
    std::unique_ptr<SplashWindow> m_splash;
    int m_splashProgress = 0;
    int m_quietDepth = 0;
    QHash<QString, QPointer<QObject>> m_objects;
    QHash<QString, void (*)(Shell&, QObject&, Page&)> m_launchers;
};
