#include "gui/maintenance/help_viewer_window.h"

#include "core/app/app_state.h"
#include "core/richtext/rtf_reader.h"
#include "core/richtext/rtf_writer.h"
#include "core/settings/settings.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/app/standard_dialogs.h"
#include "gui/maintenance/help_chapters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
constexpr const char* ShippedManual = ":/uitleg.rtf";
}

HelpViewerWindow::HelpViewerWindow(Settings& settings, QWidget* parent)
    : Page(parent), m_settings(settings), m_menuBar(new QMenuBar(this)),
      m_editor(new QTextEdit(this))
{
    setObjectName(QLatin1String(FormName));
    setCaption(QStringLiteral("Uitleg KIRO+"));
    m_menuBar->setNativeMenuBar(false);
    m_editor->setObjectName(QStringLiteral("RichEdit1"));
    m_editor->setAcceptRichText(true);
    m_editor->setTabChangesFocus(false);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The found heading stays highlighted while the menu has the focus.
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_editor->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_editor);
    buildMenus();

    int height = 600;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        height = qMin(height, screen->availableGeometry().height());
    setMinimumSize(700, qMin(height, 700));
}

void HelpViewerWindow::buildMenus()
{
    QMenu* files = m_menuBar->addMenu(QStringLiteral("Files"));
    files->setObjectName(QStringLiteral("filesMenu"));
    files->addAction(QStringLiteral("Opslaan"), this, [this] {
        if (const QString error = saveManual(); !error.isEmpty())
            MessageBox::error(this, error);
    });
    files->addAction(QStringLiteral("Afdrukken"), this, &HelpViewerWindow::printManual);
    files->addAction(QStringLiteral("Sluiten"), this, &Page::closePage);

    QMenu* layout = m_menuBar->addMenu(QStringLiteral("Opmaak"));
    layout->setObjectName(QStringLiteral("layoutMenu"));
    layout->addAction(QStringLiteral("Font"), this, &HelpViewerWindow::chooseFont);
    layout->addAction(QStringLiteral("Kleur"), this, &HelpViewerWindow::chooseColour);

    QMenu* search = m_menuBar->addMenu(QStringLiteral("Zoeken"));
    search->setObjectName(QStringLiteral("searchMenu"));
    QMap<QString, QMenu*> submenus;
    for (const HelpChapter& chapter : HelpChapters::list()) {
        const QString submenuTitle = QString::fromUtf8(chapter.submenu);
        QMenu*& submenu = submenus[submenuTitle];
        if (!submenu)
            submenu = search->addMenu(submenuTitle);
        const QString heading = QString::fromUtf8(chapter.heading);
        submenu->addAction(QString::fromUtf8(chapter.item), this,
                           [this, heading] { findChapter(heading); });
    }
}

void HelpViewerWindow::showHelp(Page& from, const QString& heading)
{
    Shell* shell = Shell::instance();
    auto* viewer = shell ? shell->find<HelpViewerWindow>(QLatin1String(FormName)) : nullptr;
    if (!viewer)
        return;
    AppState::HelpHeading = heading;
    if (const QString error = viewer->loadManual(); !error.isEmpty())
        MessageBox::error(&from, error);
    if (viewer->isCurrentPage())
        viewer->findRememberedHeading();
    else
        from.openPage(*viewer);
}

QString HelpViewerWindow::seedManual(const QString& manualFile)
{
    if (QFileInfo::exists(manualFile) || !QFile::exists(QLatin1String(ShippedManual)))
        return {};
    QDir().mkpath(QFileInfo(manualFile).absolutePath());
    if (!QFile::copy(QLatin1String(ShippedManual), manualFile))
        return QStringLiteral("De handleiding %1 kan niet worden aangemaakt.")
            .arg(QDir::toNativeSeparators(manualFile));
    // A copy from the resources is read-only; the user edits the manual.
    QFile::setPermissions(manualFile, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                          QFile::ReadOther);
    return {};
}

QString HelpViewerWindow::loadManual()
{
    const QString manualFile = m_settings.ManualFile();
    if (const QString error = seedManual(manualFile); !error.isEmpty())
        return error;
    QFile file(manualFile);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString error = RtfWriter::writeFile(*m_editor->document(), manualFile);
        m_editor->document()->setModified(false);
        return error;
    }
    const QByteArray data = file.readAll();
    file.close();
    const QString error = RtfReader::readInto(data, *m_editor->document());
    m_editor->document()->setModified(false);
    return error;
}

bool HelpViewerWindow::findHeading(const QString& heading)
{
    m_editor->verticalScrollBar()->setValue(0);
    if (heading.isEmpty())
        return false;
    const QTextCursor match =
        m_editor->document()->find(heading, 0, QTextDocument::FindCaseSensitively);
    if (match.isNull())
        return false;
    m_editor->setFocus();
    QTextCursor caret(m_editor->document());
    caret.setPosition(match.selectionStart());
    // Scrolled from the end back to the caret, the heading comes to rest at the top.
    m_editor->verticalScrollBar()->setValue(m_editor->verticalScrollBar()->maximum());
    m_editor->setTextCursor(caret);
    m_editor->ensureCursorVisible();
    return true;
}

QString HelpViewerWindow::saveManual()
{
    if (!m_editor->document()->isModified())
        return {};
    const QString error = RtfWriter::writeFile(*m_editor->document(), m_settings.ManualFile());
    if (error.isEmpty())
        m_editor->document()->setModified(false);
    return error;
}

void HelpViewerWindow::printManual()
{
    QPrinter printer;
    printer.setDocName(m_settings.ManualFile());
    if (StandardDialogs::confirmPrint(this, printer))
        m_editor->print(&printer);
}

void HelpViewerWindow::chooseFont()
{
    const std::optional<QFont> font =
        StandardDialogs::chooseFont(this, m_editor->currentCharFormat().font());
    if (font && m_editor->textCursor().hasSelection()) {
        QTextCharFormat format;
        format.setFont(*font);
        m_editor->mergeCurrentCharFormat(format);
    }
    m_editor->setFocus();
}

void HelpViewerWindow::chooseColour()
{
    const std::optional<QColor> colour =
        StandardDialogs::chooseColour(this, m_editor->currentCharFormat().foreground().color());
    if (colour && m_editor->textCursor().hasSelection()) {
        QTextCharFormat format;
        format.setForeground(*colour);
        m_editor->mergeCurrentCharFormat(format);
    }
    m_editor->setFocus();
}

void HelpViewerWindow::findChapter(const QString& heading)
{
    AppState::HelpHeading = heading;
    findHeading(heading);
}

void HelpViewerWindow::findRememberedHeading()
{
    if (!AppState::HelpHeading.isEmpty())
        findHeading(AppState::HelpHeading);
}

void HelpViewerWindow::onShow()
{
    findRememberedHeading();
}

void HelpViewerWindow::onActivate()
{
    findRememberedHeading();
}

void HelpViewerWindow::onClose()
{
    AppState::HelpHeading.clear();
}
