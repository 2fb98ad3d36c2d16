#include "report/pdf_page_stream.h"

#include "report/page_painter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
QString cannotWrite(const QString& fileName)
{
    return QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(fileName);
}
} // namespace

PdfPageStream::PdfPageStream(const QString& fileName) : m_fileName(fileName) {}

PdfPageStream::~PdfPageStream()
{
    abandon();
}

bool PdfPageStream::begin(const ReportDocument& resources)
{
    m_file = std::make_unique<QSaveFile>(m_fileName);
    if (!m_file->open(QIODevice::WriteOnly)) {
        m_failed = true;
        return false;
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setPageLayout(resources.pageSettings().pageLayout());
    m_writer->setTitle(resources.title());
    m_writer->setCreator(QStringLiteral("fondirex"));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get())) {
        m_failed = true;
        return false;
    }
    return true;
}

void PdfPageStream::takePage(const ReportDocument& resources, ReportPage page)
{
    if (m_failed)
        return;
    if (!m_painter && !begin(resources))
        return;
    if (m_pageCount > 0 && !m_writer->newPage()) {
        m_failed = true;
        return;
    }
    PagePainter::paint(*m_painter, resources, page);
    ++m_pageCount;
}

bool PdfPageStream::finish(QString* error)
{
    if (!m_painter && !m_failed)
        takePage(ReportDocument(), ReportPage(1));
    const bool painted = !m_failed && m_painter && m_painter->end();
    const bool written = painted && m_file->commit();
    m_painter.reset();
    m_writer.reset();
    m_file.reset();
    if (!written && error)
        *error = cannotWrite(m_fileName);
    return written;
}

void PdfPageStream::abandon()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_writer.reset();
    if (m_file)
        m_file->cancelWriting();
    m_file.reset();
}
