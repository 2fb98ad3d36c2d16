#include "shell_fixture.h"

#include "gui/maintenance/help_chapters.h"
#include "gui/maintenance/help_viewer_window.h"
#include "gui/widgets/colour_button.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextEdit>

namespace {
QAction* menuAction(HelpViewerWindow& viewer, const QString& menu, const QString& item)
{
    for (QAction* top : viewer.menuBar()->actions()) {
        if (top->text() != menu || !top->menu())
            continue;
        for (QAction* action : top->menu()->actions())
            if (action->text() == item)
                return action;
    }
    return nullptr;
}

QAction* chapterAction(HelpViewerWindow& viewer, const HelpChapter& chapter)
{
    QAction* submenu =
        menuAction(viewer, QStringLiteral("Zoeken"), QString::fromUtf8(chapter.submenu));
    if (!submenu || !submenu->menu())
        return nullptr;
    for (QAction* action : submenu->menu()->actions())
        if (action->text() == QString::fromUtf8(chapter.item))
            return action;
    return nullptr;
}

int caretPosition(const HelpViewerWindow& viewer)
{
    return viewer.editor()->textCursor().position();
}
} // namespace

class TestAppHelpViewer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void helpButtonOpensTheManualAtItsHeading();
    void headingsMatchCaseExactly_data();
    void headingsMatchCaseExactly();
    void everyChapterOfTheMenuIsInTheManual();
    void savedEditsAreLoadedByTheNextHelpPress();
    void fontAndColourChangeOnlyASelection();

private:
    HelpViewerWindow& viewer() { return *m_fixture->shell->find<HelpViewerWindow>("TForm37"); }
    void pressHelp() { m_fixture->child<ColourButton>(QStringLiteral("helpButton"))->click(); }
    std::unique_ptr<ShellFixture> m_fixture;
};

void TestAppHelpViewer::init()
{
    m_fixture = std::make_unique<ShellFixture>();
    QVERIFY(m_fixture->start());
}

void TestAppHelpViewer::cleanup()
{
    m_fixture.reset();
}

void TestAppHelpViewer::helpButtonOpensTheManualAtItsHeading()
{
    const QString manual = m_fixture->programDirectory() + QStringLiteral("/uitleg.rtf");
    QVERIFY(!QFile::exists(manual));
    pressHelp();
    ApplicationFrame& frame = m_fixture->shell->frame();
    QCOMPARE(frame.currentPage(), &viewer());
    QCOMPARE(frame.windowTitle(), QStringLiteral("Uitleg KIRO+"));
    QVERIFY(QFile::exists(manual));
    const QString heading = QStringLiteral("a.1 Doel van het programma");
    QCOMPARE(AppState::HelpHeading, heading);
    QCOMPARE(caretPosition(viewer()), viewer().editor()->toPlainText().indexOf(heading));
    QVERIFY(caretPosition(viewer()) >= 0);

    menuAction(viewer(), QStringLiteral("Files"), QStringLiteral("Sluiten"))->trigger();
    QCOMPARE(frame.currentPage(), &m_fixture->mainWindow());
    QVERIFY(AppState::HelpHeading.isEmpty());
}

void TestAppHelpViewer::headingsMatchCaseExactly_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("found");
    QTest::newRow("as written") << QStringLiteral("1.1 INKOMSTEN") << true;
    QTest::newRow("lower case") << QStringLiteral("1.1 inkomsten") << false;
    QTest::newRow("upper case") << QStringLiteral("A.1 DOEL VAN HET PROGRAMMA") << false;
    QTest::newRow("absent") << QStringLiteral("9.9 BESTAAT NIET") << false;
}

void TestAppHelpViewer::headingsMatchCaseExactly()
{
    QFETCH(QString, heading);
    QFETCH(bool, found);
    HelpViewerWindow::showHelp(m_fixture->mainWindow(), heading);
    QCOMPARE(viewer().isCurrentPage(), true);
    const QString text = viewer().editor()->toPlainText();
    if (found) {
        QCOMPARE(caretPosition(viewer()), text.indexOf(heading));
    } else {
        QCOMPARE(viewer().findHeading(heading), false);
        QCOMPARE(viewer().editor()->verticalScrollBar()->value(), 0);
    }
}

void TestAppHelpViewer::everyChapterOfTheMenuIsInTheManual()
{
    pressHelp();
    const QString text = viewer().editor()->toPlainText();
    for (const HelpChapter& chapter : HelpChapters::list()) {
        QAction* action = chapterAction(viewer(), chapter);
        QVERIFY2(action, chapter.item);
        action->trigger();
        const QString heading = QString::fromUtf8(chapter.heading);
        QCOMPARE(AppState::HelpHeading, heading);
        QVERIFY2(caretPosition(viewer()) == text.indexOf(heading) && text.contains(heading),
                 qPrintable(heading));
    }
}

void TestAppHelpViewer::savedEditsAreLoadedByTheNextHelpPress()
{
    pressHelp();
    QTextCursor start(viewer().editor()->document());
    start.insertText(QStringLiteral("Eigen aantekening van de penningmeester\n"));
    menuAction(viewer(), QStringLiteral("Files"), QStringLiteral("Opslaan"))->trigger();
    QVERIFY(!viewer().editor()->document()->isModified());
    viewer().editor()->clear();
    viewer().closePage();

    pressHelp();
    const QString text = viewer().editor()->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Eigen aantekening van de penningmeester")));
    QVERIFY(caretPosition(viewer()) == text.indexOf(QStringLiteral("a.1 Doel van het programma")));
}

void TestAppHelpViewer::fontAndColourChangeOnlyASelection()
{
    pressHelp();
    QTextEdit* editor = viewer().editor();
    QTextCursor cursor = editor->textCursor();
    editor->setTextCursor(cursor); // caret only, no selection
    StandardDialogs::setNextColour(QColor(Qt::red));
    viewer().chooseColour();
    QVERIFY(editor->currentCharFormat().foreground().color() != QColor(Qt::red));

    cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    StandardDialogs::setNextColour(QColor(Qt::red));
    viewer().chooseColour();
    QFont font(QStringLiteral("Serif"), 21);
    StandardDialogs::setNextFont(font);
    viewer().chooseFont();
    const QTextCharFormat format = editor->textCursor().charFormat();
    QCOMPARE(format.foreground().color(), QColor(Qt::red));
    QCOMPARE(format.font().pointSize(), 21);
    QVERIFY(editor->hasFocus() || !editor->window()->isActiveWindow());
}

QTEST_MAIN(TestAppHelpViewer)
#include "test_app_help_viewer.moc"
