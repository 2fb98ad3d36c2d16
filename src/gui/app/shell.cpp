#include "gui/app/shell.h"

#include "core/app/app_state.h"
#include "core/settings/settings.h"
#include "gui/app/application_frame.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/page.h"
#include "gui/app/processed_notice.h"
#include "gui/app/splash_window.h"
#include "gui/app/window_catalogue.h"

#include <QApplication>
#include <QScreen>

namespace {
Shell* currentShell = nullptr;
}

// The pictures and the shipped manual live in the static gui library, whose resource
// initialiser the linker would otherwise leave out.
static void initialiseResources()
{
    Q_INIT_RESOURCE(fondirex);
}

Shell::Shell(Settings& settings, QObject* parent)
    : QObject(parent), m_settings(settings), m_guard(settings.ProgramDirectory())
{
    initialiseResources();
    currentShell = this;
}

Shell::~Shell()
{
    // Pages go with the frame; the other top-level windows and the reports after it.
    delete m_frame;
    for (const QPointer<QObject>& object : std::as_const(m_objects))
        delete object.data();
    if (currentShell == this)
        currentShell = nullptr;
}

Shell* Shell::instance()
{
    return currentShell;
}

bool Shell::start()
{
    m_splash = std::make_unique<SplashWindow>();
    m_splash->show();
    m_splash->repaint();
    advanceSplash(2);
    QGuiApplication::setApplicationDisplayName(QString::fromLatin1(ApplicationTitle));
    createMainWindow();
    const bool running = claimSingleInstance();
    createFromCatalogue(WindowCatalogue::spreadsheetWindow());
    if (!running) {
        m_splash.reset();
        return false;
    }
    for (const WindowCatalogueEntry& entry : WindowCatalogue::entries())
        createFromCatalogue(entry);
    m_splash.reset();
    reportTableErrors();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = m_frame->size().expandedTo(m_mainWindow->minimumSize());
        m_frame->resize(size);
        m_frame->move(screen->availableGeometry().center() - m_frame->rect().center());
    }
    m_frame->showPage(m_mainWindow);
    m_frame->show();
    emit started();
    return true;
}

void Shell::shutdown()
{
    if (AppState::SecondInstance)
        return;
    // The settings files are closed after every read; only the tables stay open.
    m_data.CloseAllTables();
}

void Shell::endProgram()
{
    // Each window returns to its opener; the chain is short, but never trust it to end.
    for (int i = 0; i < 100 && m_frame->currentPage() != m_mainWindow; ++i) {
        if (!m_frame->currentPage() || !m_frame->currentPage()->closePage())
            break;
    }
    m_frame->close();
}

void Shell::createMainWindow()
{
    m_frame = new ApplicationFrame();
    m_frame->setWindowIcon(QIcon(QStringLiteral(":/fondirex.png")));
    m_mainWindow = new MainWindow(*this);
    m_frame->setHomePage(m_mainWindow);
    m_objects.insert(QStringLiteral("TForm1"), m_mainWindow);
}

bool Shell::claimSingleInstance()
{
    if (m_guard.acquire()) {
        m_mainWindow->prepareFirstStart();
        return true;
    }
    AppState::SecondInstance = true;
    MessageBox::information(nullptr, QString::fromLatin1(AlreadyRunningText));
    return false;
}

void Shell::createFromCatalogue(const WindowCatalogueEntry& entry)
{
    if (entry.create)
        registerObject(QString::fromLatin1(entry.formName), entry.create(*this), entry.launch);
    advanceSplash(entry.gaugeStep);
}

void Shell::advanceSplash(int step)
{
    m_splashProgress = qMin(int(SplashWindow::GaugeMaximum), m_splashProgress + step);
    if (m_splash)
        m_splash->advance(step);
}

void Shell::reportTableErrors()
{
    for (Table* table : m_data.tables()) {
        connect(table, &Table::errorOccurred, this, [this](const QString& message) {
            if (m_quietDepth == 0)
                MessageBox::error(m_frame, message);
        });
    }
}

QObject* Shell::object(const QString& formName) const
{
    return m_objects.value(formName).data();
}

Page* Shell::page(const QString& formName) const
{
    return qobject_cast<Page*>(object(formName));
}

void Shell::registerObject(const QString& formName, QObject* object,
                           void (*launch)(Shell&, QObject&, Page&))
{
    if (!object)
        return;
    if (object->objectName().isEmpty())
        object->setObjectName(formName);
    if (auto* page = qobject_cast<Page*>(object))
        m_frame->addPage(page);
    else if (!object->isWidgetType())
        object->setParent(this);
    m_objects.insert(formName, object);
    if (launch)
        m_launchers.insert(formName, launch);
    else
        m_launchers.remove(formName);
}

bool Shell::canLaunch(const QString& formName) const
{
    return m_launchers.contains(formName) || page(formName) != nullptr;
}

void Shell::launch(const QString& formName, Page& from)
{
    QObject* target = object(formName);
    if (!target)
        return;
    if (const auto launcher = m_launchers.value(formName)) {
        launcher(*this, *target, from);
        return;
    }
    if (Page* targetPage = qobject_cast<Page*>(target))
        from.openPage(*targetPage);
}

void Shell::showProcessedNotice(const QPoint& topLeft)
{
    if (auto* notice = find<ProcessedNotice>(QStringLiteral("TForm12")))
        notice->showAt(topLeft);
}
