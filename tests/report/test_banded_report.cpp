#include "report/banded_report.h"
#include "report/memory_data_source.h"
#include "report/report_data_field.h"
#include "report/report_label.h"
#include "report/report_rich_text.h"
#include "report/report_shape.h"
#include "report/report_system_data.h"
#include "report_test_support.h"

#include <QtTest>

using namespace ReportTestSupport;

namespace {
// A list report in the shape the program's lists have: a header, column captions, one line
// per record, a total and a footer.
struct ListReport
{
    BandedReport report{QStringLiteral("TQuickReportTest")};
    ReportLabel* header = nullptr;
    ReportLabel* footer = nullptr;
    ReportDataField* description = nullptr;

    ListReport()
    {
        header = report.addBand(BandKind::PageHeader, 12)->add<ReportLabel>(QStringLiteral("Kop"));
        header->setGeometry(QRectF(0, 0, 60, 6));
        report.addBand(BandKind::ColumnHeader, 6)
            ->add<ReportLabel>(QStringLiteral("Omschrijving"))
            ->setGeometry(QRectF(20, 0, 60, 5));
        ReportBand* detail = report.addBand(BandKind::Detail, 5);
        detail->add<ReportDataField>(QStringLiteral("Nr"))->setGeometry(QRectF(0, 0, 15, 5));
        description = detail->add<ReportDataField>(QStringLiteral("Omschrijving"));
        description->setGeometry(QRectF(20, 0, 80, 5));
        report.addBand(BandKind::Summary, 8)
            ->add<ReportLabel>(QStringLiteral("Totaal"))
            ->setGeometry(QRectF(0, 2, 40, 5));
        footer = report.addBand(BandKind::PageFooter, 8)->add<ReportLabel>(QStringLiteral("Voet"));
        footer->setGeometry(QRectF(0, 2, 40, 5));
        report.setPrintTime(QDateTime(QDate(2024, 3, 5), QTime(14, 30)));
    }
};

double footerTop(const ReportDocument& document)
{
    return document.pageSettings().bodyRectMm().bottom() - 8;
}
} // namespace

class TestBandedReport : public QObject
{
    Q_OBJECT

private slots:
    void multiPageReportRepeatsFrameAndKeepsOrder();
    void emptyDataSourceStillPrintsFrame();
    void withoutDataSourceDetailPrintsOnce();
    void firstHeaderAndLastFooterFollowSettings_data();
    void firstHeaderAndLastFooterFollowSettings();
    void bandBeforePrintHidesAndChangesBands();
    void quickRepBeforePrintCancelsRun();
    void reportIsUnavailableWhileGenerating();
    void dataFieldFormats_data();
    void dataFieldFormats();
    void systemDataShowsPageAndDate();
    void forceNewPageStartsEachRecordOnOwnPage();
    void tallRichTextContinuesOnNextPagesBetweenLines();
    void landscapePagesAreWide();
    void stylesAreSharedAcrossLines();
};

void TestBandedReport::multiPageReportRepeatsFrameAndKeepsOrder()
{
    ListReport list;
    MemoryDataSource source = numberedRecords(120);
    list.report.setDataSource(&source);
    const auto document = list.report.generate();
    QVERIFY(document);
    QVERIFY(document->pageCount() >= 3);

    QStringList printed;
    for (const ReportPage& page : document->pages()) {
        QCOMPARE(countText(page, QStringLiteral("Kop")), 1);
        QCOMPARE(countText(page, QStringLiteral("Omschrijving")), 1);
        QCOMPARE(countText(page, QStringLiteral("Voet")), 1);
        const bool last = page.number() == document->pageCount();
        QCOMPARE(countText(page, QStringLiteral("Totaal")), last ? 1 : 0);
        for (const PageItem& item : page.items()) {
            if (item.text.startsWith(QStringLiteral("regel "))) {
                printed.append(item.text);
                QVERIFY2(item.rect.bottom() <= footerTop(*document) + 1e-9,
                         "a detail line runs into the page footer");
            }
        }
    }
    QCOMPARE(printed.size(), 120);
    for (int i = 0; i < printed.size(); ++i)
        QCOMPARE(printed.at(i), QStringLiteral("regel %1").arg(i));
    // The header on the first page sits on the top margin, the footer on the bottom one.
    const PageItem* header = document->page(0).findText(QStringLiteral("Kop"));
    QCOMPARE(header->rect.top(), 10.0);
    const PageItem* footer = document->page(document->pageCount() - 1).findText("Voet");
    QCOMPARE(footer->rect.top(), 297.0 - 10.0 - 8.0 + 2.0);
}

void TestBandedReport::emptyDataSourceStillPrintsFrame()
{
    ListReport list;
    MemoryDataSource source = numberedRecords(0);
    list.report.setDataSource(&source);
    int detailHandlerRuns = 0;
    list.report.band(BandKind::Detail)->onBeforePrint([&](ReportBand&, bool&) {
        ++detailHandlerRuns;
    });
    const auto document = list.report.generate();
    QVERIFY(document);
    QCOMPARE(document->pageCount(), 1);
    QCOMPARE(document->page(0).textsInReadingOrder(),
             QStringList({"Kop", "Omschrijving", "Totaal", "Voet"}));
    QCOMPARE(detailHandlerRuns, 0);
}

void TestBandedReport::withoutDataSourceDetailPrintsOnce()
{
    ListReport list;
    list.report.band(BandKind::Detail)->add<ReportLabel>(QStringLiteral("berekend"));
    const auto document = list.report.generate();
    QCOMPARE(document->pageCount(), 1);
    QCOMPARE(countText(document->page(0), QStringLiteral("berekend")), 1);
}

void TestBandedReport::firstHeaderAndLastFooterFollowSettings_data()
{
    QTest::addColumn<bool>("headerOnFirst");
    QTest::addColumn<bool>("footerOnLast");
    QTest::newRow("both") << true << true;
    QTest::newRow("no first header") << false << true;
    QTest::newRow("no last footer") << true << false;
}

void TestBandedReport::firstHeaderAndLastFooterFollowSettings()
{
    QFETCH(bool, headerOnFirst);
    QFETCH(bool, footerOnLast);
    ListReport list;
    PageSettings settings;
    settings.printHeaderOnFirstPage = headerOnFirst;
    settings.printFooterOnLastPage = footerOnLast;
    list.report.setPageSettings(settings);
    MemoryDataSource source = numberedRecords(80);
    list.report.setDataSource(&source);
    const auto document = list.report.generate();
    QVERIFY(document->pageCount() >= 2);
    const ReportPage& first = document->page(0);
    const ReportPage& last = document->page(document->pageCount() - 1);
    QCOMPARE(countText(first, "Kop"), headerOnFirst ? 1 : 0);
    QCOMPARE(countText(last, "Kop"), 1);
    QCOMPARE(countText(first, "Voet"), 1);
    QCOMPARE(countText(last, "Voet"), footerOnLast ? 1 : 0);
}

void TestBandedReport::bandBeforePrintHidesAndChangesBands()
{
    ListReport list;
    MemoryDataSource source = numberedRecords(6);
    list.report.setDataSource(&source);
    QList<bool> printedFlags;
    ReportBand* detail = list.report.band(BandKind::Detail);
    detail->onBeforePrint(
        [&](ReportBand&, bool& print) { print = source.value("Nr").toInt() % 2 == 0; });
    detail->onAfterPrint([&](ReportBand&, bool printed) { printedFlags.append(printed); });
    list.report.band(BandKind::Summary)->onBeforePrint([&](ReportBand&, bool& print) {
        print = false;
    });
    list.report.band(BandKind::PageHeader)->onBeforePrint([&](ReportBand&, bool&) {
        list.header->setCaption(QStringLiteral("Kop gewijzigd"));
    });
    const auto document = list.report.generate();
    const QStringList texts = document->page(0).textsInReadingOrder();
    QCOMPARE(texts, QStringList({"Kop gewijzigd", "Omschrijving", "0", "regel 0", "2", "regel 2",
                                 "4", "regel 4", "Voet"}));
    QCOMPARE(printedFlags, QList<bool>({true, false, true, false, true, false}));
    // A hidden line leaves no gap: the next printed one follows directly.
    const PageItem* zero = document->page(0).findText("regel 0");
    const PageItem* two = document->page(0).findText("regel 2");
    QCOMPARE(two->rect.top() - zero->rect.top(), 5.0);
}

void TestBandedReport::quickRepBeforePrintCancelsRun()
{
    ListReport list;
    int detailRuns = 0;
    list.report.band(BandKind::Detail)->onBeforePrint([&](ReportBand&, bool&) { ++detailRuns; });
    list.report.onQuickRepBeforePrint([](bool& proceed) { proceed = false; });
    QVERIFY(!list.report.generate());
    QVERIFY(!list.report.Preview());
    QCOMPARE(detailRuns, 0);
    QVERIFY(list.report.Available());
}

void TestBandedReport::reportIsUnavailableWhileGenerating()
{
    ListReport list;
    bool availableDuringRun = true;
    bool nestedRunRefused = false;
    list.report.onQuickRepBeforePrint([&](bool&) {
        availableDuringRun = list.report.Available();
        nestedRunRefused = !list.report.generate() && !list.report.Preview();
    });
    int presented = 0;
    BandedReport::setPreviewPresenter(
        [&](BandedReport&, std::shared_ptr<const ReportDocument> document) {
            presented += document->pageCount();
        });
    QVERIFY(list.report.Preview());
    BandedReport::setPreviewPresenter({});
    QVERIFY(!availableDuringRun);
    QVERIFY(nestedRunRefused);
    QCOMPARE(presented, 1);
    QVERIFY(list.report.Available());
    QVERIFY(list.report.lastDocument());
}

void TestBandedReport::dataFieldFormats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    using F = ReportDataField::Format;
    QTest::newRow("amount") << int(F::Amount) << QVariant(1234.5) << "1,234.50";
    QTest::newRow("negative amount") << int(F::Amount) << QVariant(-0.5) << "-0.50";
    QTest::newRow("currency") << int(F::Currency) << QVariant(1234.5) << "€ 1,234.50";
    QTest::newRow("date") << int(F::Date) << QVariant(QDate(2024, 3, 5)) << "05-03-2024";
    QTest::newRow("display date") << int(F::DisplayText) << QVariant(QDate(2024, 12, 31))
                                  << "31-12-2024";
    QTest::newRow("missing value") << int(F::Amount) << QVariant() << "";
}

void TestBandedReport::dataFieldFormats()
{
    QFETCH(int, format);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    BandedReport report;
    MemoryDataSource source({QStringLiteral("Waarde")});
    source.addRecord({value});
    report.setDataSource(&source);
    auto* field =
        report.addBand(BandKind::Detail, 5)
            ->add<ReportDataField>(QStringLiteral("waarde"), ReportDataField::Format(format));
    field->setGeometry(QRectF(0, 0, 40, 5));
    field->setFrame(true);
    const auto document = report.generate();
    const auto texts = document->page(0).itemsOfKind(PageItemKind::Text);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.first()->text, expected);
}

void TestBandedReport::systemDataShowsPageAndDate()
{
    ListReport list;
    ReportBand* footer = list.report.band(BandKind::PageFooter);
    footer->add<ReportSystemData>(ReportSystemData::Kind::PageNumber, QStringLiteral("Blad : "))
        ->setGeometry(QRectF(150, 2, 30, 5));
    footer->add<ReportSystemData>(ReportSystemData::Kind::Date)->setGeometry(QRectF(100, 2, 30, 5));
    MemoryDataSource source = numberedRecords(100);
    list.report.setDataSource(&source);
    const auto document = list.report.generate();
    for (const ReportPage& page : document->pages()) {
        QVERIFY(page.findText(QStringLiteral("Blad : %1").arg(page.number())));
        QVERIFY(page.findText(QStringLiteral("05-03-2024")));
    }
}

void TestBandedReport::forceNewPageStartsEachRecordOnOwnPage()
{
    ListReport list;
    list.report.band(BandKind::Detail)->setForceNewPage(true);
    MemoryDataSource source = numberedRecords(3);
    list.report.setDataSource(&source);
    const auto document = list.report.generate();
    QCOMPARE(document->pageCount(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY(document->page(i).findText(QStringLiteral("regel %1").arg(i)));
}

void TestBandedReport::tallRichTextContinuesOnNextPagesBetweenLines()
{
    ListReport list;
    auto* letter = list.report.band(BandKind::Detail)->add<ReportRichText>();
    letter->setGeometry(QRectF(0, 0, 180, 20));
    QStringList paragraphs;
    for (int i = 0; i < 150; ++i)
        paragraphs.append(QStringLiteral("<p>Alinea %1 van de brief.</p>").arg(i));
    letter->document()->setHtml(paragraphs.join(QString()));
    const double contentHeight = letter->contentHeightMm();
    QVERIFY(contentHeight > 300);

    const auto document = list.report.generate();
    QVERIFY(document->pageCount() >= 2);
    double printedHeight = 0;
    for (const ReportPage& page : document->pages()) {
        QCOMPARE(countText(page, "Voet"), 1);
        for (const PageItem* picture : page.itemsOfKind(PageItemKind::Picture)) {
            QVERIFY(picture->rect.bottom() <= footerTop(*document) + 1e-6);
            printedHeight += picture->rect.height();
        }
    }
    // Cutting between lines may leave a little room at a page's foot, but no text is lost.
    QCOMPARE(qRound(printedHeight * 100), qRound(contentHeight * 100));
}

void TestBandedReport::landscapePagesAreWide()
{
    ListReport list;
    list.report.setOrientation(QPageLayout::Landscape);
    list.report.band(BandKind::Detail)
        ->add<ReportShape>(ReportShape::Kind::HorizontalLine)
        ->setGeometry(QRectF(0, 0, list.report.bandWidth(), 2));
    MemoryDataSource source = numberedRecords(1);
    list.report.setDataSource(&source);
    const auto document = list.report.generate();
    QCOMPARE(document->pageSettings().paperSizeMm().toSize(), QSize(297, 210));
    const auto lines = document->page(0).itemsOfKind(PageItemKind::Line);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first()->rect.right(), 287.0);
    QCOMPARE(document->page(0).findText("Voet")->rect.top(), 210.0 - 10 - 8 + 2);
}

void TestBandedReport::stylesAreSharedAcrossLines()
{
    ListReport list;
    MemoryDataSource source = numberedRecords(2000);
    list.report.setDataSource(&source);
    const auto document = list.report.generate();
    QVERIFY(document->pageCount() > 30);
    QVERIFY2(document->styleCount() <= 2, "every line should reuse the same style entries");
}

QTEST_MAIN(TestBandedReport)
#include "test_banded_report.moc"
