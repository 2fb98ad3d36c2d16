#include "core/richtext/rtf_reader.h"
#include "core/richtext/rtf_writer.h"
#include "fuzz/rich_text_digest.h"

#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

QTextCharFormat runFormat(bool bold, bool italic, bool underline, const QString& family,
                          qreal points)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    format.setFontFamilies(QStringList{family});
    format.setFontPointSize(points);
    return format;
}

void appendParagraph(QTextCursor& cursor, Qt::Alignment alignment)
{
    QTextBlockFormat block;
    block.setAlignment(alignment);
    cursor.insertBlock(block);
}

// Every construct the codec carries, each in more than one variant.
void fillWithEveryConstruct(QTextDocument& document)
{
    QTextCursor cursor(&document);
    QTextBlockFormat first;
    first.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(first);
    cursor.insertText("Jaarverslag", runFormat(true, false, false, "Arial", 16));

    appendParagraph(cursor, Qt::AlignLeft);
    cursor.insertText("Gewoon, ", runFormat(false, false, false, "Liberation Serif", 12));
    cursor.insertText("vet", runFormat(true, false, false, "Liberation Serif", 12));
    cursor.insertText(" schuin", runFormat(false, true, false, "Liberation Serif", 12));
    cursor.insertText(" onderstreept", runFormat(false, false, true, "Liberation Serif", 12));
    cursor.insertText(" alles", runFormat(true, true, true, "Courier New", 10.5));

    appendParagraph(cursor, Qt::AlignRight);
    QTextCharFormat red = runFormat(false, false, false, "Arial", 8);
    red.setForeground(QColor(200, 10, 20));
    cursor.insertText("rood € ë é ß ł Ω ", red);
    QTextCharFormat marked = runFormat(false, false, false, "Arial", 20);
    marked.setBackground(QColor(255, 255, 0));
    marked.setForeground(QColor(0, 0, 255));
    cursor.insertText(QString::fromUtf8("gemarkeerd \xF0\x9F\x98\x80"), marked);

    appendParagraph(cursor, Qt::AlignJustify);
    cursor.insertText("tab\there" + QString(QChar::LineSeparator) + "nieuwe regel {a} \\b c\\",
                      runFormat(false, false, false, "Arial", 12));

    appendParagraph(cursor, Qt::AlignLeft); // an empty paragraph
    appendParagraph(cursor, Qt::AlignHCenter);
    cursor.insertText("Slot; met puntkomma", runFormat(false, false, false, "Font; raar", 12));
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsTextAndFormatting();
    void roundTripOfDocumentWithoutFormats_data();
    void roundTripOfDocumentWithoutFormats();
    void encodesCharacters_data();
    void encodesCharacters();
    void writesHeaderAndTables();
    void writeFileRoundTrips();
    void writeFileReportsFailure();
};

void TestRtfWriter::roundTripKeepsTextAndFormatting()
{
    QTextDocument original;
    fillWithEveryConstruct(original);
    const RtfReadResult result = RtfReader::read(RtfWriter::write(original));
    QVERIFY(result.ok());
    QCOMPARE(result.document->blockCount(), original.blockCount());
    QCOMPARE(result.document->toRawText(), original.toRawText());
    // The font name loses the ";" the RTF font table cannot hold; all else is kept.
    QCOMPARE(richTextDigest(*result.document),
             richTextDigest(original).replace("Font; raar", "Font raar"));
}

void TestRtfWriter::roundTripOfDocumentWithoutFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("one line") << "Beste leden,";
    QTest::newRow("trailing empty line") << "a\n";
    QTest::newRow("only empty lines") << "\n\n";
    QTest::newRow("leading blanks") << "  a\n\tb";
}

void TestRtfWriter::roundTripOfDocumentWithoutFormats()
{
    QFETCH(QString, text);
    QTextDocument original;
    original.setPlainText(text);
    const RtfReadResult result = RtfReader::read(RtfWriter::write(original));
    QCOMPARE(result.document->toPlainText(), text);
    QCOMPARE(richTextDigest(*result.document), richTextDigest(original));
}

void TestRtfWriter::encodesCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");

    QTest::newRow("ascii") << "Leden 2025" << QByteArray(" Leden 2025}");
    QTest::newRow("1252 upper half") << "€ë" << QByteArray("\\'80\\'eb");
    QTest::newRow("outside 1252") << "ł" << QByteArray("\\u322?");
    QTest::newRow("upper half of 16 bits") << QString(QChar(0xFFFD)) << QByteArray("\\u-3?");
    QTest::newRow("surrogate pair")
        << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("escapes") << "\\{}" << QByteArray("\\\\\\{\\}");
    QTest::newRow("tab") << "a\tb" << QByteArray("a\\tab b");
    QTest::newRow("line") << "a" + QString(QChar::LineSeparator) + "b" << QByteArray("a\\line b");
}

void TestRtfWriter::encodesCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    document.setPlainText(text);
    const QByteArray written = RtfWriter::write(document);
    QVERIFY2(written.contains(rtf), written.constData());
    for (const char byte : written)
        QVERIFY(static_cast<unsigned char>(byte) < 0x80);
}

void TestRtfWriter::writesHeaderAndTables()
{
    QTextDocument document;
    fillWithEveryConstruct(document);
    const QByteArray written = RtfWriter::write(document);
    QVERIFY(written.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(written.contains("{\\fonttbl{\\f0"));
    QVERIFY(written.contains("Courier New;}"));
    QVERIFY(written.contains("{\\colortbl;\\red200\\green10\\blue20;"));
    QVERIFY(written.trimmed().endsWith('}'));
}

void TestRtfWriter::writeFileRoundTrips()
{
    QTemporaryDir dir;
    QTextDocument original;
    fillWithEveryConstruct(original);
    const QString path = dir.filePath("brief.rtf");
    QCOMPARE(RtfWriter::writeFile(original, path), QString());
    const RtfReadResult result = RtfReader::readFile(path);
    QVERIFY(result.ok());
    QCOMPARE(result.document->toRawText(), original.toRawText());
}

void TestRtfWriter::writeFileReportsFailure()
{
    QTemporaryDir dir;
    QTextDocument document;
    document.setPlainText("x");
    const QString error = RtfWriter::writeFile(document, dir.filePath("ontbreekt/brief.rtf"));
    QVERIFY(error.contains("brief.rtf"));
    QVERIFY(error.contains("kan niet worden opgeslagen"));
}

QTEST_MAIN(TestRtfWriter)
#include "test_rtf_writer.moc"
