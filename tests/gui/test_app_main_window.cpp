#include "shell_fixture.h"

#include "core/feast_days.h"
#include "core/ledger/ledger.h"
#include "core/settings/colour_scheme_record.h"
#include "gui/app/button_group_frame.h"
#include "gui/app/processed_notice.h"
#include "gui/widgets/colour_button.h"
#include "gui/widgets/gradient_panel.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor textColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

void setBalance(DataModule& data, int account, double balance)
{
    Table& accounts = data.rekeningtabel;
    QVERIFY(accounts.findNearest(account));
    QVERIFY(accounts.edit());
    QVERIFY(accounts.setValue(QStringLiteral("saldo"), balance));
    QVERIFY(accounts.post());
}

// A window of a later subsystem: books one line each time it is shown.
class PostingPage : public Page
{
public:
    explicit PostingPage(Ledger& ledger) : m_ledger(ledger) { setCaption(QStringLiteral("Proef")); }

protected:
    void onShow() override
    {
        m_ledger.PostJournalEntry(701, 101, QStringLiteral("contributie"), QDate(2024, 3, 1), 25.0);
    }

private:
    Ledger& m_ledger;
};
} // namespace

class TestAppMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void firstStartCreatesSettingsAndDatabase();
    void ledgerLine_data();
    void ledgerLine();
    void returningFromAWindowRerunsTheShowSequence();
    void chooseAdministration_data();
    void chooseAdministration();
    void stopProgramOffersBackupFirst();
    void hoveringLightsOneGroup();
    void administrationColourReachesTheGradients();
    void processedNoticeHidesAfterItsTime();
};

void TestAppMainWindow::firstStartCreatesSettingsAndDatabase()
{
    ShellFixture fixture(false);
    QVERIFY(fixture.start());
    const QString dataDirectory = fixture.home() + QStringLiteral("/fondirex");
    const QString program = fixture.programDirectory();
    QCOMPARE(fileBytes(program + "/basedrive.dat"), LocationRecord::defaults().toBytes());
    QCOMPARE(fileBytes(program + "/kschema.dat"), ColourSchemeRecord::defaults().toBytes());
    QCOMPARE(fileBytes(dataDirectory + "/leden.cfg"), MemberFieldCaptions::defaults().toBytes());
    QCOMPARE(fileBytes(dataDirectory + "/instellst.dat"), MailAndLogoRecord::defaults().toBytes());
    QCOMPARE(fileBytes(dataDirectory + "/logonaam.dat"), LogoNameRecord::defaults().toBytes());
    QCOMPARE(fileBytes(dataDirectory + "/konfigur.dat"), OptionsRecord::defaults(true).toBytes());
    QVERIFY(QFile::exists(dataDirectory + "/fondirex.abs"));

    auto* ledgerLine = fixture.child<QLabel>(QStringLiteral("Label6"));
    QCOMPARE(ledgerLine->text(), QStringLiteral("Grootboek is in BALANS (OK)"));
    QCOMPARE(textColour(ledgerLine), ColourSchemeRecord::toQColor(14134444));
    QVERIFY(fixture.child<QLabel>(QStringLiteral("Label7"))->isHidden());
    QCOMPARE(fixture.child<QLabel>(QStringLiteral("workingDirectoryLabel"))->text(), dataDirectory);
    QCOMPARE(fixture.child<QLabel>(QStringLiteral("lastNumberLabel"))->text(), QStringLiteral("0"));
    // No logo in a new administration.
    QVERIFY(fixture.child<QLabel>(QStringLiteral("Label17"))->isVisible());
    QVERIFY(fixture.child<QLabel>(QStringLiteral("Label24"))->isVisible());

    const int year = QDate::currentDate().year();
    QCOMPARE(fixture.child<QLineEdit>(QStringLiteral("Edit1"))->text(), QString::number(year));
    QCOMPARE(AppState::ReportYear, QString::number(year));
    QCOMPARE(fixture.child<QLabel>(QStringLiteral("Label18"))->text(),
             ComputeFeastDays(year).easterSunday.toString(QStringLiteral("dd-MM-yyyy")));
    QVERIFY(fixture.child<QCheckBox>(QStringLiteral("CheckBox1"))->isChecked());
    QVERIFY(fixture.child<QCheckBox>(QStringLiteral("CheckBox2"))->isChecked());
    QCOMPARE(fixture.shell->splashProgress(), 38);
    QCOMPARE(fixture.shell->frame().windowTitle(), QStringLiteral("Administratie programma"));
    // A button lights up only when its window exists.
    QVERIFY(fixture.child<ColourButton>(QStringLiteral("incomeButton"))->isEnabled());
    QVERIFY(!fixture.child<ColourButton>(QStringLiteral("backupButton"))->isEnabled());
    QCOMPARE(MessageBox::shownCount(), 0);
}

void TestAppMainWindow::ledgerLine_data()
{
    QTest::addColumn<double>("difference");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inBalance");
    QTest::newRow("negative") << -12.5
                              << QStringLiteral(
                                     "Grootboek is NIET in BALANS verschil = NEGATIEF € 12.50")
                              << false;
    QTest::newRow("positive") << 0.02
                              << QStringLiteral(
                                     "Grootboek is NIET in BALANS verschil = POSITIEF € 0.02")
                              << false;
    QTest::newRow("below a cent") << 0.004 << QStringLiteral("Grootboek is in BALANS (OK)") << true;
}

void TestAppMainWindow::ledgerLine()
{
    QFETCH(double, difference);
    QFETCH(QString, text);
    QFETCH(bool, inBalance);
    ShellFixture fixture;
    QVERIFY(fixture.start());
    setBalance(fixture.shell->data(), 101, difference);
    fixture.mainWindow().runShowSequence();

    auto* ledgerLine = fixture.child<QLabel>(QStringLiteral("Label6"));
    QCOMPARE(ledgerLine->text(), text);
    QCOMPARE(textColour(ledgerLine), inBalance ? QColor(172, 172, 215) : QColor(Qt::red));
    auto* warning = fixture.child<QLabel>(QStringLiteral("Label7"));
    QCOMPARE(warning->isVisible(), !inBalance);
    QCOMPARE(warning->text(), QStringLiteral("Zet de laatste goede backup terug"));
}

void TestAppMainWindow::returningFromAWindowRerunsTheShowSequence()
{
    ShellFixture fixture;
    QVERIFY(fixture.start());
    auto* page = new PostingPage(fixture.shell->ledger());
    fixture.shell->registerObject(QStringLiteral("TForm8"), page);
    fixture.mainWindow().refreshButtons();
    auto* income = fixture.child<ColourButton>(QStringLiteral("incomeButton"));
    QVERIFY(income->isEnabled());

    income->click();
    ApplicationFrame& frame = fixture.shell->frame();
    QCOMPARE(frame.currentPage(), page);
    QCOMPARE(frame.windowTitle(), QStringLiteral("Proef"));
    QCOMPARE(page->opener(), &fixture.mainWindow());
    // The posting moved 100 but not its total: the main window's show sequence does that.
    QVERIFY(page->closePage());
    QCOMPARE(frame.currentPage(), &fixture.mainWindow());
    QCOMPARE(frame.windowTitle(), QStringLiteral("Administratie programma"));
    QCOMPARE(fixture.child<QLabel>(QStringLiteral("lastNumberLabel"))->text(), QStringLiteral("1"));
    QCOMPARE(fixture.shell->ledger().balance(100), 25.0);
    QCOMPARE(fixture.child<QLabel>(QStringLiteral("Label6"))->text(),
             QStringLiteral("Grootboek is in BALANS (OK)"));
}

void TestAppMainWindow::chooseAdministration_data()
{
    QTest::addColumn<int>("dataChanged");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::addColumn<bool>("switches");
    QTest::newRow("unchanged data: no question") << 0 << 0 << true;
    QTest::newRow("changed data, no backup") << 1 << int(QMessageBox::No) << true;
    QTest::newRow("changed data, backup first") << 1 << int(QMessageBox::Yes) << false;
}

void TestAppMainWindow::chooseAdministration()
{
    QFETCH(int, dataChanged);
    QFETCH(int, answer);
    QFETCH(bool, switches);
    ShellFixture fixture;
    QVERIFY(fixture.start());
    const QString first = fixture.drive() + QStringLiteral("/fondirex/fondirex.abs");
    const QString second = fixture.drive() + QStringLiteral("/fondirex02/fondirex.abs");
    AppState::DataChanged = dataChanged;
    if (answer != 0)
        MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
    if (!switches)
        MessageBox::setNextAnswer(QMessageBox::Ok);

    fixture.child<QRadioButton>(QStringLiteral("administrationOption2"))->click();
    fixture.child<ColourButton>(QStringLiteral("chooseAdministrationButton"))->click();

    if (answer != 0) {
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        if (switches)
            QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Bevestiging"));
    } else {
        QCOMPARE(MessageBox::shownCount(), 0);
    }
    QCOMPARE(fixture.shell->data().Database1.fileName(), switches ? second : first);
    QCOMPARE(QFile::exists(second), switches);
    QCOMPARE(fixture.shell->data().allTablesOpen(), true);
    Settings reread(fixture.programDirectory());
    QVERIFY(reread.readLocation());
    QCOMPARE(reread.location().DirectoryText,
             switches ? QStringLiteral("/fondirex02") : QStringLiteral("/fondirex"));
    if (switches) {
        QCOMPARE(fixture.child<QLabel>(QStringLiteral("workingDirectoryLabel"))->text(),
                 fixture.drive() + QStringLiteral("/fondirex02"));
        QCOMPARE(AppState::DataChanged, 0);
        // The next show stays in the administration chosen.
        fixture.mainWindow().runShowSequence();
        QCOMPARE(fixture.shell->data().Database1.fileName(), second);
        QCOMPARE(fixture.mainWindow().chosenAdministration(), 2);
    } else {
        // Without a backup window the user is told plainly what to do instead.
        QVERIFY(MessageBox::lastText().contains(fixture.drive() + QStringLiteral("/fondirex")));
        QCOMPARE(AppState::DataChanged, 1);
    }
}

void TestAppMainWindow::stopProgramOffersBackupFirst()
{
    ShellFixture fixture;
    QVERIFY(fixture.start());
    ApplicationFrame& frame = fixture.shell->frame();
    auto* stop = fixture.child<ColourButton>(QStringLiteral("stopButton"));
    AppState::DataChanged = 1;
    MessageBox::setNextAnswer(QMessageBox::Yes);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    stop->click();
    QVERIFY(frame.isVisible());
    QVERIFY(fixture.shell->data().allTablesOpen());

    MessageBox::setNextAnswer(QMessageBox::No);
    stop->click();
    QVERIFY(!frame.isVisible());
    QVERIFY(!fixture.shell->data().allTablesOpen());
    QCOMPARE(MessageBox::lastText(),
             QStringLiteral("Gegevens in financiële administratie zijn gewijzigd, backup maken?"));
}

void TestAppMainWindow::hoveringLightsOneGroup()
{
    ShellFixture fixture;
    QVERIFY(fixture.start());
    auto* lit = fixture.child<ButtonGroupFrame>(QStringLiteral("overviewsGroup"));
    auto* other = fixture.child<ButtonGroupFrame>(QStringLiteral("setupGroup"));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(lit, &enter);
    QCOMPARE(lit->headingColour(), QColor(Qt::yellow));
    QCOMPARE(lit->frameColour(), QColor(Qt::red));
    QCOMPARE(other->headingColour(), QColor(128, 128, 128));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(lit, &leave);
    QCOMPARE(lit->headingColour(), QColor(128, 128, 128));
    QCOMPARE(lit->frameColour(), QColor(128, 128, 128));
}

void TestAppMainWindow::administrationColourReachesTheGradients()
{
    ShellFixture fixture;
    fixture.settings->colourScheme().Colours[0] = 213; // red 213
    QVERIFY(fixture.settings->writeColourScheme());
    QVERIFY(fixture.start());
    for (const char* name : {"SRGradient1", "SRGradient2"})
        QCOMPARE(fixture.child<GradientPanel>(QLatin1String(name))->startColour(),
                 QColor(213, 0, 0));
    QCOMPARE(fixture.child<QRadioButton>(QStringLiteral("administrationOption0"))->text(),
             QStringLiteral("Fondirex (standaard)"));
}

void TestAppMainWindow::processedNoticeHidesAfterItsTime()
{
    ShellFixture fixture;
    QVERIFY(fixture.start());
    auto* notice = fixture.shell->find<ProcessedNotice>(QStringLiteral("TForm12"));
    QVERIFY(notice);
    QCOMPARE(notice->size(), QSize(337, 38));
    fixture.mainWindow().showProcessedNotice();
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->pos(), fixture.mainWindow().mapToGlobal(QPoint(300, 300)));
    QTest::qWait(1000);
    QVERIFY(notice->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 2000);

    notice->showUnplaced();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(notice, &enter);
    QVERIFY(!notice->isVisible());
}

QTEST_MAIN(TestAppMainWindow)
#include "test_app_main_window.moc"
