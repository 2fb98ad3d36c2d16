#include "gui/overviews/report_preview_dialog.h"

#include "gui/app/application_frame.h"
#include "gui/app/file_dialog.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "report/banded_report.h"
#include "report/csv_saver.h"
#include "report/html_saver.h"
#include "report/pdf_saver.h"
#include "report/report_document.h"
#include "report/report_printing.h"
#include "report/text_saver.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>

namespace {
struct ExportChoice
{
    ReportPreviewDialog::ExportFormat format;
    const char* action;
    const char* filter;
    const char* suffix;
};

const ExportChoice kChoices[] = {
    {ReportPreviewDialog::ExportFormat::Pdf, "Opslaan als PDF...", "PDF-bestanden (*.pdf)", "pdf"},
    {ReportPreviewDialog::ExportFormat::Text, "Opslaan als tekst...", "Tekstbestanden (*.txt)",
     "txt"},
    {ReportPreviewDialog::ExportFormat::Csv, "Opslaan als CSV...",
     "Kommagescheiden bestanden (*.csv)", "csv"},
    {ReportPreviewDialog::ExportFormat::Html, "Opslaan als HTML...", "HTML-bestanden (*.html)",
     "html"},
};

const ExportChoice& choiceFor(ReportPreviewDialog::ExportFormat format)
{
    for (const ExportChoice& choice : kChoices)
        if (choice.format == format)
            return choice;
    return kChoices[0];
}

QString withSuffix(const QString& fileName, const char* suffix)
{
    const QString ending = QLatin1Char('.') + QLatin1String(suffix);
    return fileName.endsWith(ending, Qt::CaseInsensitive) ? fileName : fileName + ending;
}

QWidget* previewParent()
{
    Shell* shell = Shell::instance();
    return shell ? &shell->frame() : nullptr;
}
} // namespace

ReportPreviewDialog::ReportPreviewDialog(std::shared_ptr<const ReportDocument> document,
                                         QWidget* parent)
    : m_document(std::move(document)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    ReportPrinting::setUpPrinter(*m_printer, m_document->pageSettings());
    m_printer->setDocName(m_document->title());
    m_dialog = std::make_unique<QPrintPreviewDialog>(m_printer.get(), parent);
    m_dialog->setObjectName(QStringLiteral("reportPreview"));
    m_dialog->setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));
    m_dialog->resize(900, 1000);
    connect(m_dialog.get(), &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { ReportPrinting::print(*printer, *m_document); });
    addSaveActions();
}

// The dialog goes first: it paints through the printer until it is gone.
ReportPreviewDialog::~ReportPreviewDialog()
{
    m_dialog.reset();
    m_printer.reset();
}

int ReportPreviewDialog::exec()
{
    return m_dialog->exec();
}

void ReportPreviewDialog::addSaveActions()
{
    QToolBar* toolBar = m_dialog->findChild<QToolBar*>();
    if (!toolBar)
        return;
    auto* menu = new QMenu(m_dialog.get());
    for (const ExportChoice& choice : kChoices) {
        QAction* action = menu->addAction(QString::fromUtf8(choice.action));
        const ExportFormat format = choice.format;
        connect(action, &QAction::triggered, this, [this, format] { saveAs(format); });
    }
    auto* button = new QToolButton(toolBar);
    button->setObjectName(QStringLiteral("saveButton"));
    button->setText(QStringLiteral("Opslaan"));
    button->setToolTip(QStringLiteral("Pagina's opslaan als PDF, tekst, CSV of HTML"));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setMenu(menu);
    toolBar->addSeparator();
    toolBar->addWidget(button);
}

bool ReportPreviewDialog::saveAs(ExportFormat format)
{
    const ExportChoice& choice = choiceFor(format);
    QString fileName = FileDialog::getSaveFileName(
        m_dialog.get(), QString::fromUtf8(choice.action).remove(QStringLiteral("...")), QString(),
        QString::fromUtf8(choice.filter));
    if (fileName.isEmpty())
        return false;
    fileName = withSuffix(fileName, choice.suffix);
    QString error;
    if (!save(format, fileName, &error)) {
        MessageBox::error(m_dialog.get(), error);
        return false;
    }
    return true;
}

bool ReportPreviewDialog::save(ExportFormat format, const QString& fileName, QString* error) const
{
    switch (format) {
    case ExportFormat::Pdf:
        return PdfSaver::save(*m_document, fileName, error);
    case ExportFormat::Text:
        return TextSaver::save(*m_document, fileName, error);
    case ExportFormat::Csv:
        return CsvSaver::save(*m_document, fileName, error);
    case ExportFormat::Html:
        return HtmlSaver::save(*m_document, fileName, error);
    }
    return false;
}

void ReportPreviewDialog::present(BandedReport&, std::shared_ptr<const ReportDocument> document)
{
    ReportPreviewDialog preview(std::move(document), previewParent());
    preview.exec();
}

void ReportPreviewDialog::install()
{
    BandedReport::setPreviewPresenter(&ReportPreviewDialog::present);
}
