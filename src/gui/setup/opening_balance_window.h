#pragma once

#include "core/books/opening_balance.h"
#include "gui/setup/setup_page.h"

class BalanceRadioGroup;
class EntryRow;
class QLabel;
class QLineEdit;

// "Invoer start balans": the balances an administration starts with. The left half books
// the opening amounts of the bank, cash and inventory accounts, the right half the bills
// still to pay and the money still to receive; both against the equity account 70.
class OpeningBalanceWindow : public SetupPage
{
    Q_OBJECT
public:
    OpeningBalanceWindow(DataModule& data, Ledger& ledger, Settings& settings,
                         QWidget* parent = nullptr);

    BalanceRadioGroup* financialGroup() const { return m_financial; }
    BalanceRadioGroup* openItemGroup() const { return m_openItems; }

    bool canPostFinancial() const;
    bool canPostOpenItem() const;
    // " Doorboeken     " of the left half.
    void postFinancial();
    // " Doorboeken     " of the right half.
    void postOpenItem();
    void showBalances();

protected:
    void onShow() override;

private:
    QWidget* buildContent();
    QWidget* buildFinancialHalf(QWidget* parent);
    QWidget* buildOpenItemHalf(QWidget* parent);
    QWidget* buildEquityRow(int half, QWidget* parent);
    void updatePostButtons();

    OpeningBalance m_book;
    EntryRow* m_financialEntry = nullptr;
    EntryRow* m_openItemEntry = nullptr;
    BalanceRadioGroup* m_financial = nullptr;
    BalanceRadioGroup* m_openItems = nullptr;
    QLineEdit* m_equityNames[2] = {};
    QLabel* m_equityBalances[2] = {};
    ColourButton* m_postFinancial = nullptr;
    ColourButton* m_postOpenItem = nullptr;
};
