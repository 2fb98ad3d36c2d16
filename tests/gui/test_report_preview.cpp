#include "shell_fixture.h"

#include "gui/overviews/overviews_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
QString fileText(const QString& fileName)
{
    if (fileName.endsWith(QStringLiteral(".pdf"))) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, "-"});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT
private slots:
    void savesThePagesInEveryFormat_data();
    void savesThePagesInEveryFormat();
    void unwritableFileIsReported();

private:
    // Presses " Balans " and, in the preview, runs `inPreview` before closing it.
    void previewBalanceSheet(ShellFixture& fixture,
                             const std::function<void(QPrintPreviewDialog&)>& inPreview);
};

void TestReportPreview::previewBalanceSheet(
    ShellFixture& fixture, const std::function<void(QPrintPreviewDialog&)>& inPreview)
{
    QVERIFY(fixture.start());
    OverviewsCatalogue::install(*fixture.shell);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = true;
        inPreview(*dialog);
        dialog->reject();
    });
    QTest::mouseClick(fixture.child<QPushButton>(QStringLiteral("balanceSheetButton")),
                      Qt::LeftButton);
    QVERIFY(shown);
}

void TestReportPreview::savesThePagesInEveryFormat_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("pdf") << 0 << QStringLiteral("balans.pdf");
    QTest::newRow("text, suffix added") << 1 << QStringLiteral("balans");
    QTest::newRow("csv") << 2 << QStringLiteral("balans.csv");
    QTest::newRow("html") << 3 << QStringLiteral("balans.html");
}

void TestReportPreview::savesThePagesInEveryFormat()
{
    QFETCH(int, choice);
    QFETCH(QString, fileName);
    ShellFixture fixture;
    const QString target = fixture.dir.filePath(fileName);
    previewBalanceSheet(fixture, [&](QPrintPreviewDialog& dialog) {
        QCOMPARE(dialog.findChild<QPrintPreviewWidget*>()->pageCount(), 1);
        auto* save = dialog.findChild<QToolButton*>(QStringLiteral("saveButton"));
        QVERIFY(save && save->menu());
        FileDialog::setNextFileName(target);
        save->menu()->actions().at(choice)->trigger();
    });
    const QStringList suffixes{".pdf", ".txt", ".csv", ".html"};
    const QString written = target.endsWith(suffixes[choice]) ? target : target + suffixes[choice];
    const QString text = fileText(written);
    QVERIFY2(text.contains(QStringLiteral("TOTALEN")), qPrintable(written));
    QVERIFY(text.contains(QStringLiteral("€")));
    QCOMPARE(MessageBox::shownCount(), 0);
}

void TestReportPreview::unwritableFileIsReported()
{
    ShellFixture fixture;
    previewBalanceSheet(fixture, [&](QPrintPreviewDialog& dialog) {
        auto* save = dialog.findChild<QToolButton*>(QStringLiteral("saveButton"));
        FileDialog::setNextFileName(fixture.dir.filePath(QStringLiteral("geen/map/balans.csv")));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        save->menu()->actions().at(2)->trigger();
    });
    QCOMPARE(MessageBox::shownCount(), 1);
    QVERIFY(!MessageBox::lastText().isEmpty());
}

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
