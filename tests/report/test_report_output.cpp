#include "core/amount_format.h"
#include "report/banded_report.h"
#include "report/csv_saver.h"
#include "report/html_saver.h"
#include "report/page_painter.h"
#include "report/pdf_saver.h"
#include "report/report_chart_holder.h"
#include "report/report_data_field.h"
#include "report/report_image.h"
#include "report/report_label.h"
#include "report/report_printing.h"
#include "report/report_rich_text.h"
#include "report/report_shape.h"
#include "report/text_saver.h"
#include "report_test_support.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ReportTestSupport;

namespace {
QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& fileName)
{
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, "-"});
}

// An amount list: the caption and the amount of each record, a total and a footer line.
struct AmountReport
{
    BandedReport report{QStringLiteral("TQuickReport04")};
    MemoryDataSource source = numberedRecords(0);

    explicit AmountReport(int records)
    {
        source = numberedRecords(records);
        report.setDataSource(&source);
        report.addBand(BandKind::PageHeader, 8)
            ->add<ReportLabel>(QStringLiteral("Overzicht van Café Ëlsloo in België"))
            ->setGeometry(QRectF(0, 0, 120, 6));
        ReportBand* detail = report.addBand(BandKind::Detail, 5);
        detail->add<ReportDataField>(QStringLiteral("Omschrijving"))
            ->setGeometry(QRectF(0, 0, 80, 5));
        auto* amount =
            detail->add<ReportDataField>(QStringLiteral("Bedrag"), ReportDataField::Format::Amount);
        amount->setGeometry(QRectF(100, 0, 40, 5));
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ReportBand* summary = report.addBand(BandKind::Summary, 8);
        summary->add<ReportShape>(ReportShape::Kind::HorizontalLine)
            ->setGeometry(QRectF(100, 0, 40, 1));
        auto* total = summary->add<ReportLabel>(AmountFormat::currency(1234.5));
        total->setGeometry(QRectF(100, 2, 40, 5));
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        report.addBand(BandKind::PageFooter, 8)
            ->add<ReportLabel>(QStringLiteral("voet"))
            ->setGeometry(QRectF(0, 2, 30, 5));
    }
};
} // namespace

class TestReportOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void pdfKeepsEuroAndDutchLettersWithEmbeddedFonts();
    void streamedPdfHoldsEveryPage();
    void pdfToUnwritablePlaceFailsWithoutFile();
    void printerPaintsOnlyRequestedPages();
    void csvQuoting_data();
    void csvQuoting();
    void csvHasOneRecordPerPrintedLine();
    void textExportKeepsColumnsAndSeparatesPages();
    void htmlEscapesTextsAndEmbedsLogoOnce();
    void chartIsDrawnAsVectors();
    void richTextLetterKeepsItsTextInPdf();

private:
    QTemporaryDir m_dir;
};

void TestReportOutput::pdfKeepsEuroAndDutchLettersWithEmbeddedFonts()
{
    AmountReport amounts(3);
    const auto document = amounts.report.generate();
    const QString fileName = m_dir.filePath(QStringLiteral("journaal.pdf"));
    QString error;
    QVERIFY2(PdfSaver::save(*document, fileName, &error), qPrintable(error));
    const QString text = pdfText(fileName);
    QVERIFY2(text.contains(QStringLiteral("€ 1,234.50")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("ë")));
    QVERIFY(text.contains(QStringLiteral("Café Ëlsloo")));
    QVERIFY(text.contains(QStringLiteral("regel 2")));
    const QStringList fonts = runTool(QStringLiteral("pdffonts"), {fileName}).split('\n');
    QVERIFY(fonts.size() > 3);
    for (const QString& line : fonts.mid(2, fonts.size() - 3))
        QVERIFY2(line.contains(QStringLiteral(" yes ")), qPrintable(line));
}

void TestReportOutput::streamedPdfHoldsEveryPage()
{
    AmountReport amounts(400);
    const QString fileName = m_dir.filePath(QStringLiteral("lang.pdf"));
    QString error;
    QVERIFY2(amounts.report.saveAsPdf(fileName, &error), qPrintable(error));
    const int pages = amounts.report.generate()->pageCount();
    QVERIFY(pages > 5);
    const QString info = runTool(QStringLiteral("pdfinfo"), {fileName});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))),
             qPrintable(info));
    QVERIFY(pdfText(fileName).contains(QStringLiteral("regel 399")));
}

void TestReportOutput::pdfToUnwritablePlaceFailsWithoutFile()
{
    AmountReport amounts(1);
    const QString fileName = m_dir.filePath(QStringLiteral("bestaat/niet/rapport.pdf"));
    QString error;
    QVERIFY(!amounts.report.saveAsPdf(fileName, &error));
    QVERIFY(error.contains(QStringLiteral("kan niet worden geschreven")));
    QVERIFY(!QFile::exists(fileName));
    QVERIFY(!CsvSaver::save(*amounts.report.generate(), fileName, &error));
}

void TestReportOutput::printerPaintsOnlyRequestedPages()
{
    AmountReport amounts(150);
    const auto document = amounts.report.generate();
    QVERIFY(document->pageCount() >= 3);
    const QString fileName = m_dir.filePath(QStringLiteral("afdruk.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    ReportPrinting::setUpPrinter(printer, document->pageSettings());
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    QVERIFY(ReportPrinting::print(printer, *document));
    const QString text = pdfText(fileName);
    const QString firstOfPage2 = document->page(1).textsInReadingOrder().at(1);
    QVERIFY2(text.contains(firstOfPage2), qPrintable(firstOfPage2));
    QVERIFY(!text.contains(QStringLiteral("regel 0 ")));
    QVERIFY(!text.contains(QStringLiteral("€ 1,234.50")));
    QVERIFY(runTool(QStringLiteral("pdfinfo"), {fileName})
                .contains(QRegularExpression("Pages:\\s+1\\n")));
    // Items are placed from the paper's edge: the header starts 10 mm in.
    QCOMPARE(printer.pageLayout().fullRectPoints().size(), QPageSize(QPageSize::A4).sizePoints());
}

void TestReportOutput::csvQuoting_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Contributie"
                           << "Contributie";
    QTest::newRow("comma") << "1,234.50"
                           << "\"1,234.50\"";
    QTest::newRow("quote") << "zaal \"De Kroon\""
                           << "\"zaal \"\"De Kroon\"\"\"";
    QTest::newRow("line break") << "twee\nregels"
                                << "\"twee\nregels\"";
    QTest::newRow("edge blank") << "Rekeningoverzicht van "
                                << "\"Rekeningoverzicht van \"";
    QTest::newRow("empty") << ""
                           << "";
}

void TestReportOutput::csvQuoting()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(CsvSaver::quoted(field), expected);
}

void TestReportOutput::csvHasOneRecordPerPrintedLine()
{
    AmountReport amounts(2);
    const auto document = amounts.report.generate();
    QCOMPARE(
        CsvSaver::toCsv(*document),
        QStringLiteral("Overzicht van Café Ëlsloo in België\r\nregel 0,0.00\r\nregel 1,1.50\r\n"
                       "\"€ 1,234.50\"\r\nvoet\r\n"));
    const QString fileName = m_dir.filePath(QStringLiteral("export.csv"));
    QVERIFY(CsvSaver::save(*document, fileName));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("\xEF\xBB\xBFOverzicht van Caf\xC3\xA9"));
}

void TestReportOutput::textExportKeepsColumnsAndSeparatesPages()
{
    AmountReport amounts(100);
    const auto document = amounts.report.generate();
    const QString text = TextSaver::toText(*document);
    QCOMPARE(text.count(QLatin1Char('\f')), document->pageCount() - 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QString line = lines.at(1);
    QVERIFY2(line.startsWith(QStringLiteral("regel 0")), qPrintable(line));
    // The right-aligned amount ends where its printed box ends: 140 mm at 2 mm a column.
    QCOMPARE(line.size(), 70);
    QVERIFY(line.endsWith(QStringLiteral(" 0.00")));
}

void TestReportOutput::htmlEscapesTextsAndEmbedsLogoOnce()
{
    AmountReport amounts(100);
    amounts.report.band(BandKind::PageHeader)
        ->add<ReportLabel>(QStringLiteral("<Vereniging & Co>"))
        ->setGeometry(QRectF(130, 0, 50, 6));
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    auto* image = amounts.report.band(BandKind::PageHeader)->add<ReportImage>();
    image->setImage(logo);
    image->setGeometry(QRectF(0, 0, 20, 8));
    image->setStretch(true);
    const auto document = amounts.report.generate();
    QVERIFY(document->pageCount() > 1);
    const QString html = HtmlSaver::toHtml(*document);
    QVERIFY(html.contains(QStringLiteral("&lt;Vereniging &amp; Co&gt;")));
    QVERIFY(!html.contains(QStringLiteral("<Vereniging")));
    QVERIFY(html.contains(QStringLiteral("€ 1,234.50")));
    QCOMPARE(html.count(QStringLiteral("data:image/png")), 1);
    QCOMPARE(html.count(QStringLiteral("class=\"page\"")), document->pageCount());
}

void TestReportOutput::chartIsDrawnAsVectors()
{
    BandedReport report;
    auto* chart = report.addBand(BandKind::Detail, 100)->add<ReportChartHolder>();
    chart->setGeometry(QRectF(0, 0, 180, 90));
    QRectF drawnFrame;
    chart->setDrawing([&](QPainter& painter, const QRectF& frame) {
        drawnFrame = frame;
        painter.fillRect(QRectF(frame.left(), frame.top() + frame.height() / 2, frame.width() / 4,
                                frame.height() / 2),
                         QColor(0, 210, 0));
        painter.drawText(frame, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("INKOMSTEN"));
    });
    const auto document = report.generate();
    const auto pictures = document->page(0).itemsOfKind(PageItemKind::Picture);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures.first()->rect, QRectF(10, 10, 180, 90));
    QVERIFY(qFuzzyCompare(drawnFrame.width() / drawnFrame.height(), 2.0));

    // The chart scales with the page: its bar covers the same share of the page at any size.
    for (const double pixelsPerMm : {2.0, 8.0}) {
        const QSizeF paper = document->pageSettings().paperSizeMm() * pixelsPerMm;
        QImage page(paper.toSize(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PagePainter::paint(painter, *document, document->page(0), pixelsPerMm);
        painter.end();
        const QPoint insideBar = (QPointF(20, 90) * pixelsPerMm).toPoint();
        const QPoint rightOfBar = (QPointF(80, 90) * pixelsPerMm).toPoint();
        QCOMPARE(page.pixelColor(insideBar), QColor(0, 210, 0));
        QCOMPARE(page.pixelColor(rightOfBar), QColor(Qt::white));
    }
    const QString fileName = m_dir.filePath(QStringLiteral("grafiek.pdf"));
    QVERIFY(PdfSaver::save(*document, fileName));
    QVERIFY(pdfText(fileName).contains(QStringLiteral("INKOMSTEN")));
}

void TestReportOutput::richTextLetterKeepsItsTextInPdf()
{
    BandedReport report;
    auto* letter = report.addBand(BandKind::Detail, 220)->add<ReportRichText>();
    letter->setGeometry(QRectF(0, 0, 190, 220));
    letter->document()->setHtml(
        QStringLiteral("<p><b>Geachte heer Jansen,</b></p><p>De contributie van € 25,00 is "
                       "ontvangen. Met vriendelijke groet, de penningmeester.</p>"));
    const QString fileName = m_dir.filePath(QStringLiteral("brief.pdf"));
    QVERIFY(PdfSaver::save(*report.generate(), fileName));
    const QString text = pdfText(fileName).simplified();
    QVERIFY2(text.contains(QStringLiteral("Geachte heer Jansen,")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("van € 25,00 is ontvangen.")));
}

QTEST_MAIN(TestReportOutput)
#include "test_report_output.moc"
