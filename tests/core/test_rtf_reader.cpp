#include "core/richtext/rtf_reader.h"
#include "fuzz/rich_text_digest.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

// The format of the first character of `text` in the document.
QTextCharFormat formatOf(const QTextDocument& document, const QString& text)
{
    const QTextCursor found = document.find(text, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return QTextCharFormat();
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

QString runKeyOf(const QTextDocument& document, const QString& text)
{
    return richTextRunKey(formatOf(document, text), document.defaultFont());
}

QStringList paragraphs(const QTextDocument& document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QString alignmentOfParagraph(const QTextDocument& document, int index)
{
    return richTextAlignment(document.findBlockByNumber(index).blockFormat());
}

QByteArray fixture(const QString& name)
{
    QFile file(QFINDTESTDATA("fixtures/rtf/" + name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("fixture %s missing", qPrintable(name));
    return file.readAll();
}

// A document with one known font, so that run keys do not depend on the system's fonts.
QByteArray rtfBody(const QByteArray& body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}" +
           body + "}";
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void readsCharacters_data();
    void readsCharacters();
    void readsParagraphs_data();
    void readsParagraphs();
    void readsCharacterFormats_data();
    void readsCharacterFormats();
    void readsAlignment_data();
    void readsAlignment();
    void readsWordPadFile();
    void readsLibreOfficeFile();
    void loadsTextThatIsNotRtf_data();
    void loadsTextThatIsNotRtf();
    void survivesMalformedInput_data();
    void survivesMalformedInput();
    void reportsFileThatCannotBeOpened();
    void readIntoReplacesContent();
};

void TestRtfReader::readsCharacters_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");

    QTest::newRow("1252 by default") << QByteArray("caf\\'e9 \\'80 \\'eb") << "café € ë";
    QTest::newRow("raw 8-bit text") << QByteArray("caf\xe9") << "café";
    QTest::newRow("ansicpg1250") << QByteArray("\\ansicpg1250 \\'b3\\'f3d\\'9f") << "łódź";
    QTest::newRow("font charset 1251")
        << QByteArray("{\\fonttbl{\\f2\\fcharset204 Cyr;}}\\f2 \\'c4\\'e0\\f0  \\'e9") << "Да é";
    QTest::newRow("unicode with fallback") << QByteArray("\\u8364?\\u235\\'eb") << "€ë";
    QTest::newRow("negative unicode") << QByteArray("\\u-3?") << QString(QChar(0xFFFD));
    QTest::newRow("uc2 skips two") << QByteArray("\\uc2\\u8364\\'80\\'80x") << "€x";
    QTest::newRow("uc0 skips nothing") << QByteArray("\\uc0\\u8364 x") << "€x";
    QTest::newRow("skip stops at group end") << QByteArray("{\\uc3\\u8364 a}b") << "€b";
    QTest::newRow("uc is group local") << QByteArray("{\\uc0\\u233}\\u233 ?x") << "ééx";
    QTest::newRow("surrogate pair")
        << QByteArray("\\u-10179?\\u-8704?") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("lone surrogate") << QByteArray("\\u-10179?x") << QString(QChar(0xFFFD)) + "x";
    QTest::newRow("escapes") << QByteArray("\\\\ \\{ \\}") << "\\ { }";
    QTest::newRow("tab and line") << QByteArray("a\\tab b\\line c")
                                  << QString("a\tb") + QChar::LineSeparator + "c";
    QTest::newRow("named characters") << QByteArray("\\ldblquote x\\rdblquote \\emdash\\~\\bullet")
                                      << QString::fromUtf8("\u201Cx\u201D\u2014\u00A0\u2022");
    QTest::newRow("line ends are not text") << QByteArray("a\r\nb\nc") << "abc";
    QTest::newRow("starred destination") << QByteArray("a{\\*\\unknown b}c") << "ac";
    QTest::newRow("style sheet and info")
        << QByteArray("{\\stylesheet{\\s1 Kop;}}{\\info{\\title T}}x") << "x";
    QTest::newRow("field result kept")
        << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt zie}}") << "zie";
    QTest::newRow("binary data with braces") << QByteArray("{\\pict\\bin6 }}{\\{}}a") << "a";
    QTest::newRow("unknown words ignored") << QByteArray("\\lang1043\\kerning1 x") << "x";
    QTest::newRow("unicode in structural range dropped") << QByteArray("a\\u8233?\\u-4?b") << "ab";
}

void TestRtfReader::readsCharacters()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    const RtfReadResult result = RtfReader::read(rtfBody(body));
    QVERIFY(result.ok());
    QCOMPARE(result.document->toRawText(), text);
}

void TestRtfReader::readsParagraphs_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("paragraphs");

    QTest::newRow("none") << QByteArray("") << QStringList{""};
    QTest::newRow("unterminated") << QByteArray("a") << QStringList{"a"};
    QTest::newRow("closing mark adds nothing") << QByteArray("a\\par") << QStringList{"a"};
    QTest::newRow("two") << QByteArray("a\\par b\\par") << QStringList{"a", "b"};
    QTest::newRow("empty between") << QByteArray("a\\par\\par b") << QStringList{"a", "", "b"};
    QTest::newRow("only marks") << QByteArray("\\par\\par") << QStringList{"", ""};
    QTest::newRow("backslash newline") << QByteArray("a\\\nb") << QStringList{"a", "b"};
    QTest::newRow("table rows") << QByteArray("a\\cell b\\cell\\row c")
                                << QStringList{"a\tb\t", "c"};
}

void TestRtfReader::readsParagraphs()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, paragraphs);
    const RtfReadResult result = RtfReader::read(rtfBody(body));
    QCOMPARE(::paragraphs(*result.document), paragraphs);
}

void TestRtfReader::readsCharacterFormats_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("key");

    QTest::newRow("plain") << QByteArray("x") << "x"
                           << "--- Arial 12 auto/auto";
    QTest::newRow("bold") << QByteArray("\\b x") << "x"
                          << "B-- Arial 12 auto/auto";
    QTest::newRow("bold off") << QByteArray("\\b\\b0 x") << "x"
                              << "--- Arial 12 auto/auto";
    QTest::newRow("italic") << QByteArray("\\i x\\i0 y") << "x"
                            << "-I- Arial 12 auto/auto";
    QTest::newRow("italic off") << QByteArray("\\i x\\i0 y") << "y"
                                << "--- Arial 12 auto/auto";
    QTest::newRow("underline") << QByteArray("\\ul x") << "x"
                               << "--U Arial 12 auto/auto";
    QTest::newRow("ulnone") << QByteArray("\\ul\\ulnone x") << "x"
                            << "--- Arial 12 auto/auto";
    QTest::newRow("ul0") << QByteArray("\\uldb\\ul0 x") << "x"
                         << "--- Arial 12 auto/auto";
    QTest::newRow("font") << QByteArray("\\f1 x") << "x"
                          << "--- Courier New 12 auto/auto";
    QTest::newRow("unknown font keeps family")
        << QByteArray("\\f7 x") << "x"
        << QString("--- %1 12 auto/auto").arg(QTextDocument().defaultFont().family());
    QTest::newRow("font name without semicolon")
        << QByteArray("{\\fonttbl{\\f5 Times  New }}\\f5 x") << "x"
        << "--- Times  New 12 auto/auto";
    QTest::newRow("font name keeps no object marks")
        << QByteArray("{\\fonttbl{\\f5 A\\u-4?B\\tab;}}\\f5 x") << "x"
        << "--- AB 12 auto/auto";
    QTest::newRow("half points") << QByteArray("\\fs21 x") << "x"
                                 << "--- Arial 10.5 auto/auto";
    QTest::newRow("huge size clamped") << QByteArray("\\fs99999999 x") << "x"
                                       << "--- Arial 1638 auto/auto";
    QTest::newRow("colour") << QByteArray("\\cf1 x") << "x"
                            << "--- Arial 12 #ff0000/auto";
    QTest::newRow("auto colour") << QByteArray("\\cf1\\cf0 x") << "x"
                                 << "--- Arial 12 auto/auto";
    QTest::newRow("colour out of table") << QByteArray("\\cf9 x") << "x"
                                         << "--- Arial 12 auto/auto";
    QTest::newRow("highlight") << QByteArray("\\highlight2 x") << "x"
                               << "--- Arial 12 auto/#008000";
    QTest::newRow("cb") << QByteArray("\\cb1 x") << "x"
                        << "--- Arial 12 auto/#ff0000";
    QTest::newRow("group restores") << QByteArray("{\\b\\i\\ul\\f1\\fs40\\cf1 a}x") << "x"
                                    << "--- Arial 12 auto/auto";
    QTest::newRow("plain resets") << QByteArray("\\b\\f1\\fs40\\cf1\\plain x") << "x"
                                  << "--- Arial 12 auto/auto";
    QTest::newRow("all together") << QByteArray("\\b\\i\\ul\\f1\\fs28\\cf2\\highlight1 x") << "x"
                                  << "BIU Courier New 14 #008000/#ff0000";
}

void TestRtfReader::readsCharacterFormats()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, probe);
    QFETCH(QString, key);
    const RtfReadResult result = RtfReader::read(rtfBody("a" + body));
    QCOMPARE(runKeyOf(*result.document, probe), key);
}

void TestRtfReader::readsAlignment_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("alignments");

    QTest::newRow("each kind") << QByteArray("\\ql a\\par\\qc b\\par\\qr c\\par\\qj d\\par")
                               << QStringList{"left", "center", "right", "justify"};
    QTest::newRow("pard resets") << QByteArray("\\qc a\\par\\pard b\\par")
                                 << QStringList{"center", "left"};
    QTest::newRow("taken at the mark")
        << QByteArray("a\\qr\\par b") << QStringList{"right", "right"};
    QTest::newRow("last paragraph without mark")
        << QByteArray("a\\par{\\qc b}") << QStringList{"left", "center"};
}

void TestRtfReader::readsAlignment()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, alignments);
    const RtfReadResult result = RtfReader::read(rtfBody(body));
    QCOMPARE(result.document->blockCount(), alignments.size());
    for (int i = 0; i < alignments.size(); ++i)
        QCOMPARE(alignmentOfParagraph(*result.document, i), alignments[i]);
}

void TestRtfReader::readsWordPadFile()
{
    const RtfReadResult result = RtfReader::read(fixture("wordpad.rtf"));
    QVERIFY(result.ok());
    const QTextDocument& document = *result.document;
    QCOMPARE(paragraphs(document),
             (QStringList{"Jaarvergadering", "Beste leden,",
                          "De contributie bedraagt € 25,00 per jaar voor de financiële "
                          "administratie van het café; voorzitter is José.",
                          "Onderstreept en Arial, met een\ttab en een" +
                              QString(QChar::LineSeparator) + "regelovergang."}));
    QCOMPARE(alignmentOfParagraph(document, 0), "center");
    QCOMPARE(alignmentOfParagraph(document, 1), "left");
    QCOMPARE(runKeyOf(document, "Jaarvergadering"), "B-- Calibri 16 auto/auto");
    QCOMPARE(runKeyOf(document, "Beste"), "--- Calibri 11 auto/auto");
    QCOMPARE(runKeyOf(document, "€"), "--- Calibri 11 #ff0000/auto");
    QCOMPARE(runKeyOf(document, " per jaar"), "--- Calibri 11 auto/auto");
    QCOMPARE(runKeyOf(document, "José"), "-I- Calibri 11 auto/auto");
    QCOMPARE(runKeyOf(document, "Onderstreept"), "--U Calibri 11 auto/auto");
    QCOMPARE(runKeyOf(document, "Arial,"), "--- Arial 11 auto/auto");
}

void TestRtfReader::readsLibreOfficeFile()
{
    const RtfReadResult result = RtfReader::read(fixture("libreoffice.rtf"));
    QVERIFY(result.ok());
    const QTextDocument& document = *result.document;
    const QStringList texts = paragraphs(document);
    QVERIFY(texts.size() >= 3);
    QCOMPARE(texts.mid(0, 3), (QStringList{"Contributie 2025",
                                           "Bedrag: € 12,50 voor de financiële commissie en café",
                                           "Blauw onderstreept en een koppeling, in łódź."}));
    QCOMPARE(alignmentOfParagraph(document, 0), "center");
    QCOMPARE(alignmentOfParagraph(document, 1), "right");
    QCOMPARE(alignmentOfParagraph(document, 2), "justify");
    QCOMPARE(runKeyOf(document, "Contributie"), "B-- Liberation Serif 14 auto/auto");
    QCOMPARE(runKeyOf(document, "Bedrag"), "--- Liberation Serif 12 auto/auto");
    QCOMPARE(runKeyOf(document, "café"), "-I- Liberation Serif 12 auto/auto");
    QCOMPARE(runKeyOf(document, "Blauw"), "--U Liberation Serif 12 #0000ff/auto");
    QCOMPARE(runKeyOf(document, "koppeling"), "--U Liberation Serif 12 #000080/auto");
    QCOMPARE(runKeyOf(document, "łódź"), "--- Arial CE 12 auto/auto");
    QVERIFY(!document.toRawText().contains("Standaard"));
    QVERIFY(!document.toRawText().contains("HYPERLINK"));
    QVERIFY(!document.toRawText().contains("LibreOffice"));
}

void TestRtfReader::loadsTextThatIsNotRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asPlainText");

    QTest::newRow("utf-8") << QByteArray("Beste leden,\r\n€ 5 caf\xc3\xa9")
                           << "Beste leden,\n€ 5 café" << true;
    QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80") << "café €" << true;
    QTest::newRow("empty") << QByteArray() << "" << true;
    QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0\x01", 7) << "" << false;
    QTest::newRow("almost rtf") << QByteArray("{\\rt x}") << "{\\rt x}" << true;
}

void TestRtfReader::loadsTextThatIsNotRtf()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QFETCH(bool, asPlainText);
    const RtfReadResult result = RtfReader::read(data);
    QVERIFY(!result.ok());
    QVERIFY(result.error.contains("geen RTF-bestand"));
    QCOMPARE(result.loadedAsPlainText, asPlainText);
    QCOMPARE(result.document->toPlainText(), text);
}

void TestRtfReader::survivesMalformedInput_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("textStart");

    QTest::newRow("no closing brace") << QByteArray("{\\rtf1 abc") << "abc";
    QTest::newRow("too many closing braces") << QByteArray("{\\rtf1 a}}}}b{") << "a";
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 a{\\b b{\\i c") << "abc";
    QTest::newRow("deep nesting") << "{\\rtf1 a" + QByteArray(200000, '{') + "x"
                                  << "a";
    QTest::newRow("deep nesting then closed")
        << "{\\rtf1 a" + QByteArray(100000, '{') + QByteArray(100000, '}') + "b}"
        << "ab";
    QTest::newRow("truncated word") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 a\\'4") << "a";
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << "azzb";
    QTest::newRow("huge number") << QByteArray("{\\rtf1\\fs99999999999999999999999 a}") << "a";
    QTest::newRow("huge negative") << QByteArray("{\\rtf1\\u-99999999999999999 a}") << "";
    QTest::newRow("huge unicode skip") << QByteArray("{\\rtf1\\uc99999999\\u65 abc}") << "A";
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a\\bin2147483647 xyz}") << "a";
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << "ab";
    QTest::newRow("huge colour index") << QByteArray("{\\rtf1\\cf2147483647 a}") << "a";
    QTest::newRow("huge font index") << QByteArray("{\\rtf1\\f-2147483647 a}") << "a";
    QTest::newRow("long word") << "{\\rtf1\\" + QByteArray(100000, 'x') + " a}"
                               << "a";
    QTest::newRow("long number") << "{\\rtf1\\fs" + QByteArray(100000, '9') + " a}"
                                 << "a";
    QTest::newRow("unclosed font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial") << "";
    QTest::newRow("colour table garbage")
        << QByteArray("{\\rtf1{\\colortbl\\red-5\\green999;;;\\blue;}\\cf3 a}") << "a";
    QTest::newRow("star at end") << QByteArray("{\\rtf1 a\\*") << "a";
    QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b}", 11) << "ab";
    QTest::newRow("only header") << QByteArray("{\\rtf") << "";
    QTest::newRow("many paragraphs")
        << "{\\rtf1 " + QByteArray(50000, '\\').replace("\\", "\\par ") << "";
    QTest::newRow("unknown code page") << QByteArray("{\\rtf1\\ansicpg99999 \\'e9}") << "é";
    QTest::newRow("many distinct formats") << "{\\rtf1 " + [] {
        QByteArray body;
        for (int i = 1; i < 3000; ++i)
            body += "\\fs" + QByteArray::number(i) + " x";
        return body;
    }() << "xxx";
}

void TestRtfReader::survivesMalformedInput()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, textStart);
    QElapsedTimer timer;
    timer.start();
    const RtfReadResult result = RtfReader::read(data);
    QVERIFY2(timer.elapsed() < 5000, "reading took too long");
    QVERIFY(result.ok());
    QVERIFY2(result.document->toRawText().startsWith(textStart),
             qPrintable(result.document->toRawText().left(40)));
}

void TestRtfReader::reportsFileThatCannotBeOpened()
{
    QTemporaryDir dir;
    const RtfReadResult result = RtfReader::readFile(dir.filePath("ontbreekt.rtf"));
    QVERIFY(!result.ok());
    QVERIFY(result.error.contains("ontbreekt.rtf"));
    QVERIFY(result.document);
    QVERIFY(result.document->isEmpty());
}

void TestRtfReader::readIntoReplacesContent()
{
    QTextDocument document;
    document.setPlainText("oud");
    QVERIFY(RtfReader::readInto("{\\rtf1 nieuw}", document).isEmpty());
    QCOMPARE(document.toPlainText(), "nieuw");
    QVERIFY(!document.isModified());
    QVERIFY(!document.isUndoAvailable());
}

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
