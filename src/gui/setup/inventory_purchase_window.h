#pragma once

#include "core/books/inventory_purchase.h"
#include "gui/setup/setup_page.h"

class BalanceRadioGroup;
class EntryRow;

// "Verwerken inkoop inventaris": money goes from a bank or cash account, or becomes a bill
// to pay, into one of the nine inventory accounts.
class InventoryPurchaseWindow : public SetupPage
{
    Q_OBJECT
public:
    InventoryPurchaseWindow(DataModule& data, Ledger& ledger, Settings& settings,
                            QWidget* parent = nullptr);

    BalanceRadioGroup* inventoryGroup() const { return m_inventory; }
    BalanceRadioGroup* financialGroup() const { return m_financial; }

    bool canPost() const;
    // "Doorboeken     ".
    void post();
    void showBalances();

protected:
    void onShow() override;

private:
    QWidget* buildContent();
    void updatePostButton();

    InventoryPurchase m_book;
    EntryRow* m_entry = nullptr;
    BalanceRadioGroup* m_inventory = nullptr;
    BalanceRadioGroup* m_financial = nullptr;
    ColourButton* m_post = nullptr;
};
