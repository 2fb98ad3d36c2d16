#include "gui/setup/inventory_purchase_window.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/books/account_book.h"
#include "gui/setup/balance_display.h"
#include "gui/setup/entry_row.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"

namespace {
QStringList inventoryCaptions()
{
    QStringList captions;
    for (int option = 1; option <= InventoryPurchase::InventoryOptions; ++option)
        captions << QStringLiteral(" %1").arg(option);
    return captions;
}

QStringList financialCaptions()
{
    QStringList captions{QStringLiteral("Bank 1")};
    for (int bank = 2; bank <= 9; ++bank)
        captions << QStringLiteral("bank %1").arg(bank);
    for (int cash = 1; cash <= 5; ++cash)
        captions << QStringLiteral("kas %1").arg(cash);
    captions << QStringLiteral("Nog te betalen");
    return captions;
}

QList<int> inventoryAccounts()
{
    QList<int> accounts;
    for (int option = 0; option < InventoryPurchase::InventoryOptions; ++option)
        accounts << InventoryPurchase::inventoryAccountForOption(option);
    return accounts;
}

QList<int> financialAccounts()
{
    QList<int> accounts;
    for (int option = 0; option < InventoryPurchase::FinancialOptions; ++option)
        accounts << InventoryPurchase::financialAccountForOption(option);
    return accounts;
}
} // namespace

InventoryPurchaseWindow::InventoryPurchaseWindow(DataModule& data, Ledger& ledger,
                                                 Settings& settings, QWidget* parent)
    : SetupPage(data, ledger, settings, QStringLiteral("TForm34"),
                QStringLiteral("Verwerken inkoop inventaris"),
                QStringLiteral("1.6 INKOOP INVENTARIS"), parent),
      m_book(data, ledger)
{
    buildFrame(buildContent(), BottomRow{});
    connect(m_entry->amount(), &AmountEdit::valueChanged, this,
            &InventoryPurchaseWindow::updatePostButton);
    for (BalanceRadioGroup* group : {m_inventory, m_financial})
        connect(group, &BalanceRadioGroup::choiceChanged, this,
                &InventoryPurchaseWindow::updatePostButton);
    connect(m_post, &QPushButton::clicked, this, &InventoryPurchaseWindow::post);
}

QWidget* InventoryPurchaseWindow::buildContent()
{
    const TwoChoiceForm form = buildTwoChoiceForm(
        {QStringLiteral(" Investering rekeningen"), inventoryCaptions()},
        {QStringLiteral(" Financiele rekeningen"), financialCaptions()},
        {QStringLiteral("1. Kies de juiste datum"), QStringLiteral("2. Vul de omschrijving in"),
         QStringLiteral("3. Vul het bedrag in"),
         QStringLiteral("4. Klik op wat voor uitgave het is"),
         QStringLiteral("5. Klik op de juiste financiele rekening"),
         QStringLiteral("6. Klik op doorboeken")},
        QStringLiteral("Doorboeken     "));
    m_entry = form.entry;
    m_inventory = form.first;
    m_financial = form.second;
    m_post = form.post;
    return form.content;
}

bool InventoryPurchaseWindow::canPost() const
{
    return !m_entry->amount()->isZero() && m_inventory->checkedOption() >= 0 &&
           m_financial->checkedOption() >= 0;
}

void InventoryPurchaseWindow::updatePostButton()
{
    m_post->setEnabled(canPost());
}

void InventoryPurchaseWindow::post()
{
    if (!canPost())
        return;
    const BooksResult result = carryOut([this] {
        return m_book.post(m_inventory->checkedOption(), m_financial->checkedOption(),
                           m_entry->description()->text(), m_entry->date()->date(),
                           m_entry->amount()->value());
    });
    if (!result)
        return;
    showBalances();
    m_entry->amount()->setValue(0.0);
    m_entry->description()->clear();
    showLastNumber(journalLineCount());
    m_entry->date()->setFocus();
    // Each purchase names where the money comes from afresh; the inventory choice stays.
    m_financial->clearChoice();
    showProcessedNotice();
}

void InventoryPurchaseWindow::showBalances()
{
    const AccountBook book = AccountBook::read(m_data);
    BalanceDisplay::fill(*m_inventory, book, inventoryAccounts());
    BalanceDisplay::fill(*m_financial, book, financialAccounts());
}

void InventoryPurchaseWindow::onShow()
{
    refreshTitle();
    showBalances();
    showLastNumber(journalLineCount());
    m_financial->clearChoice();
    m_entry->amount()->reformat();
    updatePostButton();
}
