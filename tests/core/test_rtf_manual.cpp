#include "core/richtext/rtf_reader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

// The help buttons and the viewer's chapter menu jump to the first case-sensitive match of a
// heading, so each heading must be in the manual and its first match must be the heading
// itself, not a mention earlier in the text.
class TestRtfManual : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyHeadingIsItsChaptersFirstMatch_data();
    void everyHeadingIsItsChaptersFirstMatch();

private:
    std::unique_ptr<QTextDocument> m_manual;
};

void TestRtfManual::initTestCase()
{
    const QString path = QFINDTESTDATA("../../resources/uitleg.rtf");
    QVERIFY(!path.isEmpty());
    RtfReadResult result = RtfReader::readFile(path);
    QVERIFY2(result.ok(), qPrintable(result.error));
    m_manual = std::move(result.document);
}

void TestRtfManual::everyHeadingIsItsChaptersFirstMatch_data()
{
    QTest::addColumn<QString>("heading");
    const QStringList headings = {
        "a.1 Doel van het programma",
        "a.2 Voor wie is dit programma",
        "a.8 Hoe werkt het",
        "a.5 Aanpassen - uitbreiden",
        "a.6 Geprinte overzichten",
        "a.7 Waaraan moet het computersysteem",
        "1.1 INKOMSTEN",
        "1.2 TE ONTVANGEN",
        "1.3 UITGAVEN",
        "1.4 TE BETALEN",
        "1.5 KRUISPOSTEN",
        "1.6 INKOOP INVENTARIS",
        "2.1 TE ONTVANGEN",
        "2.2 TE BETALEN",
        "2.3 BALANS",
        "2.4 WINST EN VERLIES",
        "2.5 REKENING OVERZICHT",
        "2.6 JOURNAALMUTATIES",
        "2.7 GRAFIEK 1",
        "2.8 GRAFIEK 2",
        "3.1 BACKUP",
        "3.2 RESTORE",
        "3.3 BEGROTING",
        "3.3a VOORTGANG",
        "3.4 AFSCHRIJVINGEN",
        "3.5 JAAR AFSLUITEN",
        "4.1 INVOER LEDEN",
        "4.2 CONTRIBUTIES",
        "4.3 MAILING",
        "4.4 VERZONDEN E-MAIL",
        "5.1 REKENINGEN",
        "5.2 START BALANS",
        "5.3 SCHONE LEI",
        "5.4 INSTELLINGEN",
    };
    for (const QString& heading : headings)
        QTest::newRow(qPrintable(heading)) << heading;
}

void TestRtfManual::everyHeadingIsItsChaptersFirstMatch()
{
    QFETCH(QString, heading);
    QVERIFY(m_manual->toPlainText().contains(heading, Qt::CaseSensitive));
    const QTextCursor match = m_manual->find(heading, 0, QTextDocument::FindCaseSensitively);
    QVERIFY(!match.isNull());
    const QTextBlock block = match.block();
    QCOMPARE(block.text(), heading);
    QCOMPARE(match.selectionStart(), block.position());
    QVERIFY(match.charFormat().font().bold());
    QVERIFY2(block.next().isValid() && !block.next().text().isEmpty(), "chapter without text");
}

QTEST_MAIN(TestRtfManual)
#include "test_rtf_manual.moc"
