#include "gui/setup/year_end_close_window.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/books/year_end_close.h"
#include "gui/widgets/colour_button.h"

YearEndCloseWindow::YearEndCloseWindow(DataModule& data, Ledger& ledger, Settings& settings,
                                       QWidget* parent)
    : SetupPage(data, ledger, settings, QStringLiteral("TForm16"),
                QStringLiteral("Afsluiten boekjaar"), QStringLiteral("3.5 JAAR AFSLUITEN"), parent)
{
    BottomRow bottom;
    bottom.lastNumber = false;
    buildFrame(buildContent(), bottom);
    connect(m_closeYear, &QPushButton::clicked, this, &YearEndCloseWindow::closeYear);
}

QWidget* YearEndCloseWindow::buildContent()
{
    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    for (const QString& text :
         {QStringLiteral("De gehele administratie wordt leeggemaakt."),
          QStringLiteral("De financiele rekeningen worden opnieuw geboekt t.o.v. het eigen "
                         "vermogen."),
          QStringLiteral("Openstaande posten blijven bestaan."),
          QStringLiteral("De contributie-overzichten worden één jaar doorgeschoven.")})
        column->addWidget(boldLabel(text, content));
    column->addSpacing(12);
    auto* warning =
        boldLabel(QStringLiteral("MAAK VOORDAT JE DEZE ACTIE KIEST, EEN BACKUP !"), content);
    warning->setObjectName(QStringLiteral("backupWarning"));
    QPalette palette = warning->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    warning->setPalette(palette);
    column->addWidget(warning);
    column->addSpacing(20);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(boldLabel(QStringLiteral("Kies de afsluitdatum"), content));
    m_closingDate = new QDateEdit(QDate::currentDate(), content);
    m_closingDate->setObjectName(QStringLiteral("DateTimePicker1"));
    m_closingDate->setCalendarPopup(true);
    m_closingDate->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    dateRow->addWidget(m_closingDate);
    dateRow->addStretch(1);
    column->addLayout(dateRow);
    column->addSpacing(12);

    m_closeYear = new ColourButton(QStringLiteral(" jaar afsluiten  "), content);
    m_closeYear->setObjectName(QStringLiteral("SRColorButton1"));
    QFont font = m_closeYear->font();
    font.setBold(true);
    m_closeYear->setFont(font);
    m_closeYear->setFaceColour(QColor(250, 200, 170));
    column->addWidget(m_closeYear, 0, Qt::AlignLeft);
    column->addStretch(1);
    return content;
}

bool YearEndCloseWindow::canCloseYear() const
{
    return m_closeYear->isEnabled();
}

void YearEndCloseWindow::closeYear()
{
    if (!canCloseYear())
        return;
    const BooksResult result =
        carryOut([this] { return YearEndClose(m_data, m_ledger).run(m_closingDate->date()); });
    if (!result)
        return;
    m_closeYear->setEnabled(false);
    showUnplacedNotice();
}

void YearEndCloseWindow::onShow()
{
    refreshTitle();
    m_closeYear->setEnabled(true);
}
