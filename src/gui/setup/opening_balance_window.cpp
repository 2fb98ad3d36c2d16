#include "gui/setup/opening_balance_window.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/books/account_book.h"
#include "gui/setup/balance_display.h"
#include "gui/setup/entry_row.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"

namespace {
const QString equityNote = QStringLiteral("Er wordt geboekt t.o.v. het eigen vermogen");

QStringList financialCaptions()
{
    QStringList captions{QStringLiteral("Bank 1"), QStringLiteral("bank 2"),
                         QStringLiteral("bank 3"), QStringLiteral("bank 4")};
    for (int bank = 5; bank <= 9; ++bank)
        captions << QStringLiteral("Bank %1").arg(bank);
    for (int cash = 1; cash <= 4; ++cash)
        captions << QStringLiteral("kas %1").arg(cash);
    captions << QStringLiteral("Kas 5");
    for (int inventory = 1; inventory <= 9; ++inventory)
        captions << QStringLiteral("Inventaris %1").arg(inventory);
    return captions;
}

QList<int> financialAccounts()
{
    QList<int> accounts;
    for (int option = 0; option < OpeningBalance::FinancialOptions; ++option)
        accounts << OpeningBalance::financialAccountForOption(option);
    return accounts;
}

QList<int> openItemAccounts()
{
    return {OpeningBalance::openItemAccountForOption(0),
            OpeningBalance::openItemAccountForOption(1)};
}
} // namespace

OpeningBalanceWindow::OpeningBalanceWindow(DataModule& data, Ledger& ledger, Settings& settings,
                                           QWidget* parent)
    : SetupPage(data, ledger, settings, QStringLiteral("TForm5"),
                QStringLiteral("Invoer start balans"), QStringLiteral("5.2 START BALANS"), parent),
      m_book(data, ledger)
{
    buildFrame(buildContent(), BottomRow{});
    m_financialEntry->description()->setText(QStringLiteral("Beginbalans"));
    // Both halves start on their first option, and no option is ever cleared.
    m_financial->setCheckedOption(0);
    m_openItems->setCheckedOption(0);
    for (AmountEdit* amount : {m_financialEntry->amount(), m_openItemEntry->amount()})
        connect(amount, &AmountEdit::valueChanged, this, &OpeningBalanceWindow::updatePostButtons);
    for (BalanceRadioGroup* group : {m_financial, m_openItems})
        connect(group, &BalanceRadioGroup::choiceChanged, this,
                &OpeningBalanceWindow::updatePostButtons);
    connect(m_postFinancial, &QPushButton::clicked, this, &OpeningBalanceWindow::postFinancial);
    connect(m_postOpenItem, &QPushButton::clicked, this, &OpeningBalanceWindow::postOpenItem);
}

QWidget* OpeningBalanceWindow::buildContent()
{
    auto* content = new QWidget(this);
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(24);
    columns->addWidget(buildFinancialHalf(content), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildOpenItemHalf(content));
    right->addSpacing(16);
    right->addWidget(instructions(
        {QStringLiteral("1. Kies de juiste datum"), QStringLiteral("2. Pas de omschrijving aan"),
         QStringLiteral("3. Vul het bedrag in"), QStringLiteral("4. Klik je juiste rekening aan"),
         QStringLiteral("5. Klik op doorboeken")},
        content));
    right->addStretch(1);
    columns->addLayout(right, 1);
    return content;
}

QWidget* OpeningBalanceWindow::buildFinancialHalf(QWidget* parent)
{
    auto* half = new QWidget(parent);
    auto* column = new QVBoxLayout(half);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(boldLabel(QStringLiteral("INVOER FINANCIELE REKENINGEN"), half));
    column->addWidget(new QLabel(equityNote, half));
    m_financialEntry = new EntryRow(QStringLiteral("DateTimePicker1"), QStringLiteral("Edit1"),
                                    QStringLiteral("RxCalcEdit1"), half);
    column->addWidget(m_financialEntry);
    column->addWidget(buildEquityRow(0, half));
    m_financial = new BalanceRadioGroup(QString(), financialCaptions(), half);
    m_financial->setObjectName(QStringLiteral("RadioGroup1"));
    m_financial->setBalanceHeading(QStringLiteral(" SALDO "));
    column->addWidget(m_financial);
    m_postFinancial =
        postButton(QStringLiteral(" Doorboeken     "), QStringLiteral("SRColorButton2"), half);
    column->addWidget(m_postFinancial, 0, Qt::AlignLeft);
    column->addStretch(1);
    return half;
}

QWidget* OpeningBalanceWindow::buildOpenItemHalf(QWidget* parent)
{
    auto* half = new QWidget(parent);
    auto* column = new QVBoxLayout(half);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(boldLabel(QStringLiteral("INVOER NOG TE BETALEN/ONTVANGEN"), half));
    column->addWidget(new QLabel(equityNote, half));
    m_openItemEntry = new EntryRow(QStringLiteral("DateTimePicker2"), QStringLiteral("Edit2"),
                                   QStringLiteral("RxCalcEdit2"), half);
    column->addWidget(m_openItemEntry);
    column->addWidget(buildEquityRow(1, half));
    m_openItems = new BalanceRadioGroup(
        QString(), {QStringLiteral("Nog te betalen"), QStringLiteral("Nog te ontvangen")}, half);
    m_openItems->setObjectName(QStringLiteral("RadioGroup2"));
    m_openItems->setBalanceHeading(QStringLiteral(" SALDO "));
    column->addWidget(m_openItems);
    m_postOpenItem =
        postButton(QStringLiteral(" Doorboeken     "), QStringLiteral("SRColorButton1"), half);
    column->addWidget(m_postOpenItem, 0, Qt::AlignLeft);
    return half;
}

QWidget* OpeningBalanceWindow::buildEquityRow(int half, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 4, 0, 4);
    m_equityNames[half] = new QLineEdit(QStringLiteral("Eigen vermogen"), row);
    m_equityNames[half]->setObjectName(QStringLiteral("equityName%1").arg(half + 1));
    m_equityNames[half]->setReadOnly(true);
    m_equityNames[half]->setFocusPolicy(Qt::NoFocus);
    m_equityBalances[half] = boldLabel(QString(), row);
    m_equityBalances[half]->setObjectName(QStringLiteral("equityBalance%1").arg(half + 1));
    m_equityBalances[half]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_equityBalances[half]->setMinimumWidth(
        m_equityBalances[half]->fontMetrics().horizontalAdvance(QStringLiteral("-000,000,000.00")));
    line->addWidget(m_equityNames[half], 1);
    line->addWidget(m_equityBalances[half]);
    return row;
}

bool OpeningBalanceWindow::canPostFinancial() const
{
    return !m_financialEntry->amount()->isZero() && m_financial->checkedOption() >= 0;
}

bool OpeningBalanceWindow::canPostOpenItem() const
{
    return !m_openItemEntry->amount()->isZero() && m_openItems->checkedOption() >= 0;
}

void OpeningBalanceWindow::updatePostButtons()
{
    m_postFinancial->setEnabled(canPostFinancial());
    m_postOpenItem->setEnabled(canPostOpenItem());
}

void OpeningBalanceWindow::postFinancial()
{
    if (!canPostFinancial())
        return;
    const EntryRow& entry = *m_financialEntry;
    const BooksResult result = carryOut([&] {
        return m_book.postFinancialAccount(m_financial->checkedOption(),
                                           entry.description()->text(), entry.date()->date(),
                                           entry.amount()->value());
    });
    if (!result)
        return;
    showBalances();
    m_financialEntry->amount()->setValue(0.0);
    showLastNumber(result.lastJournalNumber);
    showUnplacedNotice();
}

void OpeningBalanceWindow::postOpenItem()
{
    if (!canPostOpenItem())
        return;
    const EntryRow& entry = *m_openItemEntry;
    const BooksResult result = carryOut([&] {
        return m_book.postOpenItem(m_openItems->checkedOption(), entry.description()->text(),
                                   entry.date()->date(), entry.amount()->value());
    });
    if (!result)
        return;
    showBalances();
    m_openItemEntry->amount()->setValue(0.0);
    showLastNumber(result.lastJournalNumber);
    showUnplacedNotice();
}

void OpeningBalanceWindow::showBalances()
{
    QString error;
    const AccountBook book = AccountBook::read(m_data, &error);
    BalanceDisplay::fill(*m_financial, book, financialAccounts());
    BalanceDisplay::fill(*m_openItems, book, openItemAccounts());
    const AccountEntry equity = book.entry(OpeningBalance::EquityAccount);
    for (int half = 0; half < 2; ++half) {
        m_equityNames[half]->setText(equity.Naam);
        m_equityBalances[half]->setText(BalanceDisplay::textFor(equity.saldo));
        QPalette palette = m_equityBalances[half]->palette();
        palette.setColor(QPalette::WindowText, BalanceDisplay::colourFor(equity.saldo));
        m_equityBalances[half]->setPalette(palette);
    }
}

void OpeningBalanceWindow::onShow()
{
    refreshTitle();
    showBalances();
    showLastNumber(journalLineCount());
    m_financialEntry->amount()->reformat();
    m_openItemEntry->amount()->reformat();
    updatePostButtons();
}
