// Feeds arbitrary bytes to the RTF reader and checks that writing the result and reading it
// back gives the same document: the reader must survive anything, and the writer must be able
// to express whatever the reader produces.
//
//   fuzz_rtf -dict=tests/fuzz/rtf.dict corpus/ tests/core/fixtures/rtf/

#include "core/richtext/rtf_reader.h"
#include "core/richtext/rtf_writer.h"
#include "fuzz/rich_text_digest.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // QTextDocument needs the font database, which needs an application; the fuzzer's own
    // arguments must not reach Qt.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RtfReadResult first = RtfReader::read(input);
    const QByteArray written = RtfWriter::write(*first.document);
    const RtfReadResult second = RtfReader::read(written);

    const QString expected = richTextDigest(*first.document);
    const QString actual = richTextDigest(*second.document);
    if (!second.ok() || actual != expected) {
        std::fprintf(stderr,
                     "round trip differs\n--- first read\n%s\n--- written\n%s\n--- read back\n%s\n",
                     qPrintable(expected), written.constData(), qPrintable(actual));
        std::abort();
    }
    return 0;
}
