#include "core/richtext/rtf_reader.h"

#include "core/richtext/code_page_decoder.h"
#include "core/richtext/rtf_parser.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextDocument>

namespace {

QByteArrayView withoutLeadingBlanks(const QByteArray& data)
{
    QByteArrayView view(data);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    while (!view.isEmpty() && (view.front() == ' ' || view.front() == '\t' ||
                               view.front() == '\r' || view.front() == '\n'))
        view = view.sliced(1);
    return view;
}

QString decodePlainText(const QByteArray& data)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    CodePageDecoder decoder;
    return decoder.decode(data, CodePageDecoder::kWindows1252);
}

// Plain text keeps its line ends and tabs; control bytes and the characters that carry the
// document's own structure are not text.
QString withoutStructuralCharacters(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 && u != '\n' && u != '\t';
        if (control || u == 0xFFFC || u == 0xFDD0 || u == 0xFDD1 || u == 0x2029)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

RtfReadResult RtfReader::read(const QByteArray& data)
{
    RtfReadResult result;
    result.document = std::make_unique<QTextDocument>();
    result.error = readInto(data, *result.document);
    result.loadedAsPlainText = !looksLikeRtf(data) && !data.contains('\0');
    return result;
}

RtfReadResult RtfReader::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        RtfReadResult result;
        result.document = std::make_unique<QTextDocument>();
        result.error = QStringLiteral("Het bestand \"%1\" kan niet worden geopend: %2")
                           .arg(QFileInfo(path).fileName(), file.errorString());
        return result;
    }
    if (file.size() > kMaxFileSize) {
        RtfReadResult result;
        result.document = std::make_unique<QTextDocument>();
        result.error = QStringLiteral("Het bestand \"%1\" is te groot om als tekst te openen.")
                           .arg(QFileInfo(path).fileName());
        return result;
    }
    return read(file.readAll());
}

QString RtfReader::readInto(const QByteArray& data, QTextDocument& document)
{
    const bool undoWasEnabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QString error;
    if (looksLikeRtf(data)) {
        RtfParser parser(document);
        parser.parse(withoutLeadingBlanks(data));
    } else {
        error = loadPlainText(data, document);
    }
    document.setUndoRedoEnabled(undoWasEnabled);
    document.setModified(false);
    return error;
}

bool RtfReader::looksLikeRtf(const QByteArray& data)
{
    return withoutLeadingBlanks(data).startsWith("{\\rtf");
}

QString RtfReader::loadPlainText(const QByteArray& data, QTextDocument& document)
{
    if (data.contains('\0'))
        return QStringLiteral("Dit bestand is geen RTF-bestand en bevat geen leesbare tekst.");
    document.setPlainText(withoutStructuralCharacters(decodePlainText(data)));
    return QStringLiteral("Dit bestand is geen RTF-bestand; de inhoud is als platte tekst "
                          "geladen.");
}
