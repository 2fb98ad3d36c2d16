#include "report/banded_report.h"
#include "report/report_data_field.h"
#include "report/report_image.h"
#include "report/report_label.h"
#include "report/report_page_frame.h"
#include "report/text_measure.h"
#include "report_test_support.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ReportTestSupport;

namespace {
const QString kLongName = QStringLiteral("Harmonievereniging Sint-Caecilia Ëlsloo!");

PageFrameTexts journalTexts()
{
    return PageFrameTexts::standard(QStringLiteral("Overzicht journaal van"),
                                    QStringLiteral("Overzicht journaal van"));
}

// A journal-like report with the frame, long enough to need several pages.
struct FramedReport
{
    BandedReport report{QStringLiteral("TQuickReport04")};
    ReportPageFrame frame;
    MemoryDataSource source;

    FramedReport(const PageFrameSettings& settings, int records,
                 const PageFrameTexts& texts = journalTexts())
        : frame(report, texts, settings), source(numberedRecords(records))
    {
        report.addBand(BandKind::Detail, 5)
            ->add<ReportDataField>(QStringLiteral("Omschrijving"))
            ->setGeometry(QRectF(0, 0, 80, 5));
        report.setDataSource(&source);
        report.setPrintTime(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    }
};

QString writeLogo(const QTemporaryDir& dir,
                  const QString& name = QStringLiteral("contribuutlogo.png"))
{
    QImage logo(120, 60, QImage::Format_RGB32);
    logo.fill(QColor(200, 30, 30));
    const QString path = dir.filePath(name);
    logo.save(path);
    return path;
}

PageFrameSettings settingsWithLogo(const QString& logoFile, bool print, bool left, bool right)
{
    PageFrameSettings settings;
    settings.associationName = QStringLiteral("Sportclub De Uil");
    settings.logoFile = logoFile;
    settings.printLogo = print;
    settings.printLogoLeft = left;
    settings.printLogoRight = right;
    settings.logoWidth = 120;
    settings.logoHeight = 60;
    return settings;
}

QList<const PageItem*> logosOn(const ReportPage& page)
{
    return page.itemsOfKind(PageItemKind::Image);
}

// The item right of the given one on the same printed line.
const PageItem* textRightOf(const ReportPage& page, const PageItem* item)
{
    const PageItem* nearest = nullptr;
    for (const PageItem* other : page.itemsOfKind(PageItemKind::Text)) {
        const bool sameLine = qAbs(other->rect.center().y() - item->rect.center().y()) < 1.0;
        if (sameLine && other->rect.left() >= item->rect.right() &&
            (!nearest || other->rect.left() < nearest->rect.left()))
            nearest = other;
    }
    return nearest;
}
} // namespace

class TestReportPageFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void logoSlotsFollowFlags_data();
    void logoSlotsFollowFlags();
    void bothLogosShowSamePictureAtSameSizeOnEveryPage();
    void unreadableLogoIsIgnored_data();
    void unreadableLogoIsIgnored();
    void logoThatBreaksLaterKeepsEarlierPicture();
    void longAssociationNamePrintsWholeInHeaderAndFooter_data();
    void longAssociationNamePrintsWholeInHeaderAndFooter();
    void onePageReportShowsBladOne();
    void reportWithoutPageNumbersShowsOnlyDate();
    void yearPrintsAsTyped();
    void frameTextsAreGreyAndColumnHeadersWhiteOnDarkBlue();

private:
    QTemporaryDir m_dir;
};

void TestReportPageFrame::logoSlotsFollowFlags_data()
{
    QTest::addColumn<bool>("printLogo");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("expectLeft");
    QTest::addColumn<bool>("expectRight");
    QTest::newRow("print off, both sides on") << false << true << true << false << false;
    QTest::newRow("print off, left on") << false << true << false << false << false;
    QTest::newRow("print on, no side") << true << false << false << false << false;
    QTest::newRow("left only") << true << true << false << true << false;
    QTest::newRow("right only") << true << false << true << false << true;
    QTest::newRow("both") << true << true << true << true << true;
}

void TestReportPageFrame::logoSlotsFollowFlags()
{
    QFETCH(bool, printLogo);
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(bool, expectLeft);
    QFETCH(bool, expectRight);
    FramedReport framed(settingsWithLogo(writeLogo(m_dir), printLogo, left, right), 3);
    const auto document = framed.report.generate();
    const auto logos = logosOn(document->page(0));
    QCOMPARE(logos.size(), int(expectLeft) + int(expectRight));
    bool leftPrinted = false;
    bool rightPrinted = false;
    for (const PageItem* logo : logos) {
        leftPrinted |= qFuzzyCompare(logo->rect.left(), 10.0);
        rightPrinted |= qFuzzyCompare(logo->rect.right(), 200.0);
    }
    QCOMPARE(leftPrinted, expectLeft);
    QCOMPARE(rightPrinted, expectRight);
}

void TestReportPageFrame::bothLogosShowSamePictureAtSameSizeOnEveryPage()
{
    FramedReport framed(settingsWithLogo(writeLogo(m_dir), true, true, true), 150);
    const auto document = framed.report.generate();
    QVERIFY(document->pageCount() >= 3);
    QCOMPARE(document->imageCount(), 1);
    const QSizeF expected(ReportImage::pixelsToMm(120), ReportImage::pixelsToMm(60));
    for (const ReportPage& page : document->pages()) {
        const auto logos = logosOn(page);
        QCOMPARE(logos.size(), 2);
        QCOMPARE(logos.at(0)->resource, logos.at(1)->resource);
        QCOMPARE(logos.at(0)->rect.size(), expected);
        QCOMPARE(logos.at(1)->rect.size(), expected);
        QCOMPARE(logos.at(0)->rect.top(), logos.at(1)->rect.top());
    }
}

void TestReportPageFrame::unreadableLogoIsIgnored_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("missing") << "ontbreekt.jpg" << QByteArray();
    QTest::newRow("not a picture") << "kapot.jpg" << QByteArray("dit is geen plaatje");
    QTest::newRow("no name") << "" << QByteArray();
}

void TestReportPageFrame::unreadableLogoIsIgnored()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);
    const QString path = fileName.isEmpty() ? QString() : m_dir.filePath(fileName);
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    FramedReport framed(settingsWithLogo(path, true, true, true), 3);
    const auto document = framed.report.generate();
    QVERIFY(document);
    QCOMPARE(logosOn(document->page(0)).size(), 0);
    QVERIFY(document->page(0).findText(QStringLiteral("Overzicht journaal van")));
}

void TestReportPageFrame::logoThatBreaksLaterKeepsEarlierPicture()
{
    const QString path = writeLogo(m_dir, QStringLiteral("wisselend.png"));
    FramedReport framed(settingsWithLogo(path, true, true, false), 3);
    QCOMPARE(logosOn(framed.report.generate()->page(0)).size(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("beschadigd");
    file.close();
    QCOMPARE(logosOn(framed.report.generate()->page(0)).size(), 1);
}

void TestReportPageFrame::longAssociationNamePrintsWholeInHeaderAndFooter_data()
{
    QTest::addColumn<QString>("headerCaption");
    QTest::addColumn<QString>("footerCaption");
    QTest::newRow("journal") << "Overzicht journaal van"
                             << "Overzicht journaal van";
    QTest::newRow("longest captions") << "Overzicht nog te betalen posten van :"
                                      << "Voortgang uitgaven tov begroting van ";
}

void TestReportPageFrame::longAssociationNamePrintsWholeInHeaderAndFooter()
{
    QFETCH(QString, headerCaption);
    QFETCH(QString, footerCaption);
    QCOMPARE(kLongName.size(), 40);
    PageFrameSettings settings = settingsWithLogo(QString(), false, false, false);
    settings.associationName = kLongName;
    FramedReport framed(settings, 100, PageFrameTexts::standard(headerCaption, footerCaption));
    const auto document = framed.report.generate();
    const double pageMiddle = document->pageSettings().paperSizeMm().height() / 2;
    for (const ReportPage& page : document->pages()) {
        QCOMPARE(countText(page, kLongName), 2);
        for (const PageItem* item : page.itemsOfKind(PageItemKind::Text)) {
            if (item->text != kLongName)
                continue;
            const QFont font = document->style(item->style).font;
            QVERIFY2(item->rect.width() >= TextMeasure::widthMm(font, kLongName) - 1e-9,
                     "the name's box is narrower than the name");
            QVERIFY2(item->rect.left() >= 10 && item->rect.right() <= 200,
                     "the name runs off the printable width");
            const PageItem* caption =
                page.findText(item->rect.top() < pageMiddle ? headerCaption : footerCaption);
            QVERIFY(caption);
        }
        // Nothing on the footer line overlaps the name.
        const auto lines = page.itemsOfKind(PageItemKind::Text);
        for (const PageItem* a : lines)
            for (const PageItem* b : lines)
                QVERIFY(a == b || !a->rect.intersects(b->rect) ||
                        qAbs(a->rect.center().y() - b->rect.center().y()) > 1.0);
    }
}

void TestReportPageFrame::onePageReportShowsBladOne()
{
    FramedReport framed(settingsWithLogo(QString(), false, false, false), 2);
    const auto document = framed.report.generate();
    QCOMPARE(document->pageCount(), 1);
    const ReportPage& page = document->page(0);
    const PageItem* blad = page.findText(QStringLiteral("Blad :"));
    QVERIFY(blad);
    const PageItem* number = textRightOf(page, blad);
    QVERIFY(number);
    QCOMPARE(number->text, QStringLiteral("1"));
    const PageItem* date = textRightOf(page, page.findText(QStringLiteral("Datum :")));
    QCOMPARE(date->text, QStringLiteral("05-03-2024"));
}

void TestReportPageFrame::reportWithoutPageNumbersShowsOnlyDate()
{
    PageFrameTexts texts = PageFrameTexts::standard(
        QStringLiteral("BALANS"), QStringLiteral("Balans"), QStringLiteral("Printdatum :"), false);
    FramedReport framed(settingsWithLogo(QString(), false, false, false), 2, texts);
    const ReportPage& page = framed.report.generate()->page(0);
    QVERIFY(!page.findText(QStringLiteral("Blad :")));
    QVERIFY(!page.findText(QStringLiteral("1")));
    QCOMPARE(textRightOf(page, page.findText(QStringLiteral("Printdatum :")))->text,
             QStringLiteral("05-03-2024"));
}

void TestReportPageFrame::yearPrintsAsTyped()
{
    PageFrameTexts texts;
    texts.headerTitle = {FrameTextPart::fixed(QStringLiteral("BALANS"), true),
                         FrameTextPart::reportYear(true), FrameTextPart::fixed("van :"),
                         FrameTextPart::associationName()};
    texts.footerTitle = {FrameTextPart::fixed("Balans"), FrameTextPart::associationName()};
    texts.dateCaption = QStringLiteral("Printdatum :");
    texts.pageNumbers = false;
    FramedReport framed(settingsWithLogo(QString(), false, false, false), 1, texts);
    framed.report.onQuickRepBeforePrint([&](bool&) { framed.frame.setReportYear("twintig"); });
    const auto document = framed.report.generate();
    QStringList header = document->page(0).textsInReadingOrder().mid(0, 4);
    QCOMPARE(header, QStringList({"BALANS", "twintig", "van :", "Sportclub De Uil"}));
    const PageItem* year = document->page(0).findText("twintig");
    QVERIFY(document->style(year->style).font.bold());
}

void TestReportPageFrame::frameTextsAreGreyAndColumnHeadersWhiteOnDarkBlue()
{
    FramedReport framed(settingsWithLogo(QString(), false, false, false), 2);
    ReportBand* columns = framed.report.addBand(BandKind::ColumnHeader, 6);
    columns->add<ReportLabel>(QStringLiteral("Bkst"))->setGeometry(QRectF(0, 0, 20, 6));
    ReportPageFrame::styleColumnHeader(*columns);
    const auto document = framed.report.generate();
    const ReportPage& page = document->page(0);
    for (const QString& text : {QStringLiteral("Overzicht journaal van"),
                                QStringLiteral("Sportclub De Uil"), QStringLiteral("Blad :")})
        QCOMPARE(document->style(page.findText(text)->style).color, QColor(128, 128, 128));
    const PageItem* caption = page.findText(QStringLiteral("Bkst"));
    QCOMPARE(document->style(caption->style).color, QColor(Qt::white));
    bool onDarkBlue = false;
    for (const PageItem* fill : page.itemsOfKind(PageItemKind::Rectangle))
        onDarkBlue |= document->style(fill->style).background == QColor(0, 0, 128) &&
                      fill->rect.contains(caption->rect.center());
    QVERIFY(onDarkBlue);
}

QTEST_MAIN(TestReportPageFrame)
#include "test_report_page_frame.moc"
