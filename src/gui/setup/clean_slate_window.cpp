#include "gui/setup/clean_slate_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/books/clean_slate.h"
#include "gui/app/message_box.h"
#include "gui/widgets/colour_button.h"

CleanSlateWindow::CleanSlateWindow(DataModule& data, Ledger& ledger, Settings& settings,
                                   QWidget* parent)
    : SetupPage(data, ledger, settings, QStringLiteral("TForm31"),
                QStringLiteral("Met schone lei beginnen"), QString(), parent)
{
    BottomRow bottom;
    bottom.lastNumber = false;
    bottom.help = false;
    buildFrame(buildContent(), bottom);
    connect(m_carryOut, &QPushButton::clicked, this, &CleanSlateWindow::carryOutCleanSlate);
}

QWidget* CleanSlateWindow::buildContent()
{
    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    for (const QString& text :
         {QStringLiteral("Deze mogelijkheid zou eigenlijk NIET nodig moeten zijn."),
          QStringLiteral("Om de één of andere reden is de administratie niet meer correct te "
                         "krijgen."),
          QStringLiteral("U krijgt bijvoorbeeld Nog te betalen of Nog te ontvangen niet leeg, "
                         "terwijl dit wel zo zou moeten zijn."),
          QStringLiteral("Deze speciale rekeningen en alle andere rekeningen inclusief het "
                         "journaal worden hier NUL gemaakt"),
          QStringLiteral("De gehele administratie wordt dus leeg gemaakt."),
          QStringLiteral("De ingevoerde gegevens van de leden blijven onaangetast!"),
          QStringLiteral("Alle boekingen moeten opnieuw worden gedaan!")})
        column->addWidget(boldLabel(text, content));
    column->addSpacing(20);
    m_carryOut = new ColourButton(QStringLiteral(" Uitvoeren       "), content);
    m_carryOut->setObjectName(QStringLiteral("SRColorButton1"));
    QFont font = m_carryOut->font();
    font.setBold(true);
    m_carryOut->setFont(font);
    m_carryOut->setFaceColour(QColor(250, 200, 170));
    column->addWidget(m_carryOut, 0, Qt::AlignLeft);
    column->addStretch(1);
    return content;
}

void CleanSlateWindow::carryOutCleanSlate()
{
    if (!MessageBox::question(this, CleanSlate::confirmationQuestion(),
                              CleanSlate::confirmationCaption()))
        return;
    if (carryOut([this] { return CleanSlate(m_data).run(); }))
        showUnplacedNotice();
}

void CleanSlateWindow::onShow()
{
    refreshTitle();
}
