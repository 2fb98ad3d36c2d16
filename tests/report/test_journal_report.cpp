#include "core/amount_format.h"
#include "report/definitions/balance_sheet_report.h"
#include "report/definitions/journal_report.h"
#include "statement_test_books.h"

#include <QProcess>
#include <QtTest>

namespace {
QString pdfText(const QString& fileName)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void postLines(StatementTestBooks& books, int count)
{
    for (int i = 1; i <= count; ++i) {
        const QString description = i % 3 == 0 ? QStringLiteral("Zaalhuur café %1").arg(i)
                                               : QStringLiteral("Contributie %1").arg(i);
        QVERIFY(books.ledger.PostJournalEntry(701, 101, description, QDate(2024, 1, 1).addDays(i),
                                              10.0 + i * 0.25));
    }
}
} // namespace

class TestJournalReport : public QObject
{
    Q_OBJECT
private slots:
    void printsTheFilteredLinesAndTheirTotal();
    void keepsTheTablePosition();
    void savesBalanceSheetAndThreePageJournalAsPdf();
};

void TestJournalReport::printsTheFilteredLinesAndTheirTotal()
{
    StatementTestBooks books;
    postLines(books, 30);
    Table& journal = books.data.journaaltabel;
    journal.setFiltered(true);
    QVERIFY(journal.setFilter(QStringLiteral("( Omschrijving LIKE '%ZAALHUUR%' )")));
    double shown = 0;
    for (int row = 0; row < journal.recordCount(); ++row)
        shown +=
            journal.valueAt(row, journal.schema().fieldIndex(QStringLiteral("Bedrag"))).toDouble();
    QCOMPARE(journal.recordCount(), 10);

    JournalReport report(journal, books.settings);
    for (int run = 0; run < 2; ++run) {
        const auto document = report.generate();
        QVERIFY(document);
        QCOMPARE(report.total(), shown);
        const QStringList texts = document->page(0).textsInReadingOrder();
        QCOMPARE(texts.filter(QStringLiteral("Zaalhuur café")).size(), 10);
        QVERIFY(texts.filter(QRegularExpression(QStringLiteral("^Contributie \\d+$"))).isEmpty());
        const PageItem* caption =
            document->page(0).findText(QString::fromLatin1(JournalReport::TotalCaption));
        QVERIFY(caption);
        QVERIFY(StatementTestBooks::lineOf(document->page(0), caption)
                    .values()
                    .contains(AmountFormat::currency(shown)));
        for (const QString& head :
             {"Bkst", "Datum", "Omschrijving", "Van rekening", "Naar rekening", "Bedrag"})
            QVERIFY2(document->page(0).findText(head), qPrintable(head));
    }
}

void TestJournalReport::keepsTheTablePosition()
{
    StatementTestBooks books;
    postLines(books, 12);
    Table& journal = books.data.journaaltabel;
    QVERIFY(journal.moveToRow(6));
    QVERIFY(journal.edit());
    QVERIFY(journal.setValue(QStringLiteral("Omschrijving"), QStringLiteral("nog niet bewaard")));
    JournalReport report(journal, books.settings);
    const auto document = report.generate();
    QCOMPARE(journal.row(), 6);
    QCOMPARE(journal.state(), Table::State::Edit);
    QVERIFY(document->page(0).findText(QStringLiteral("nog niet bewaard")));
}

void TestJournalReport::savesBalanceSheetAndThreePageJournalAsPdf()
{
    StatementTestBooks books;
    books.settings.setAssociationName(QStringLiteral("Muziekvereniging Ëlsloo"));
    books.setAccount(101, 0, QStringLiteral("Bank ING"));
    postLines(books, 130);
    books.recomputeTotals();
    QTemporaryDir out;

    JournalReport journal(books.data.journaaltabel, books.settings);
    const QString journalPdf = out.filePath(QStringLiteral("journaal.pdf"));
    QString error;
    QVERIFY2(journal.saveAsPdf(journalPdf, &error), qPrintable(error));
    const QString journalText = pdfText(journalPdf);
    QCOMPARE(journalText.count(QLatin1Char('\f')), 3);
    QCOMPARE(journalText.count(QStringLiteral("Overzicht journaal van Muziekvereniging Ëlsloo")),
             6);
    for (int page = 1; page <= 3; ++page)
        QVERIFY(
            journalText.contains(QRegularExpression(QStringLiteral("Blad :\\s+%1\\s").arg(page))));
    QVERIFY(journalText.contains(QStringLiteral("Zaalhuur café 129")));
    QVERIFY(journalText.contains(QStringLiteral("Totaaltelling van de getoonde mutaties")));
    QVERIFY(journalText.contains(AmountFormat::currency(journal.total())));

    BalanceSheetReport balance(books.data, books.settings);
    QVERIFY(balance.Toonsaldo());
    const QString balancePdf = out.filePath(QStringLiteral("balans.pdf"));
    QVERIFY2(balance.saveAsPdf(balancePdf, &error), qPrintable(error));
    const QString balanceText = pdfText(balancePdf);
    QCOMPARE(balanceText.count(QLatin1Char('\f')), 1);
    QVERIFY(balanceText.contains(
        QRegularExpression(QStringLiteral("BALANS\\s+2024\\s+van :\\s+Muziekvereniging Ëlsloo"))));
    const QString bank = AmountFormat::format(books.ledger.balance(101));
    QVERIFY(balanceText.contains(QRegularExpression(
        QStringLiteral("Bank ING\\s+%1\\n").arg(QRegularExpression::escape(bank)))));
    QVERIFY(balanceText.contains(QStringLiteral("TOTALEN")));
    QVERIFY(balanceText.contains(QStringLiteral("€")));
    QVERIFY(balanceText.contains(QStringLiteral("Printdatum :")));
}

QTEST_MAIN(TestJournalReport)
#include "test_journal_report.moc"
