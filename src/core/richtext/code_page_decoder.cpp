#include "core/richtext/code_page_decoder.h"

#include "core/richtext/windows_1252.h"

namespace {

std::unique_ptr<QStringDecoder> createDecoder(int codePage)
{
    const QByteArray number = QByteArray::number(codePage);
    for (const QByteArray& prefix : {QByteArray("windows-"), QByteArray("cp"), QByteArray("IBM")}) {
        auto decoder = std::make_unique<QStringDecoder>((prefix + number).constData(),
                                                        QStringConverter::Flag::Stateless);
        if (decoder->isValid())
            return decoder;
    }
    return nullptr;
}

} // namespace

QString CodePageDecoder::decode(const QByteArray& bytes, int codePage)
{
    if (codePage == kWindows1252)
        return decode1252(bytes);
    QStringDecoder* decoder = decoderFor(codePage);
    if (!decoder)
        return decode1252(bytes);
    return decoder->decode(bytes);
}

int CodePageDecoder::codePageForCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

QStringDecoder* CodePageDecoder::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end())
        found = m_decoders.emplace(codePage, createDecoder(codePage)).first;
    return found->second.get();
}

QString CodePageDecoder::decode1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(Windows1252::toUnicode(static_cast<unsigned char>(byte)));
    return text;
}
