#pragma once

#include "core/books/depreciation.h"
#include "gui/setup/setup_page.h"

class BalanceRadioGroup;
class EntryRow;

// "Verwerken afschrijvingen": an amount typed by the user moves from an inventory account to
// its paired depreciation account. The two groups always show the same position: choosing
// in one chooses the pair in the other.
class DepreciationWindow : public SetupPage
{
    Q_OBJECT
public:
    DepreciationWindow(DataModule& data, Ledger& ledger, Settings& settings,
                       QWidget* parent = nullptr);

    BalanceRadioGroup* inventoryGroup() const { return m_inventory; }
    BalanceRadioGroup* depreciationGroup() const { return m_depreciation; }

    bool canPost() const;
    // " Doorboeken     ".
    void post();
    void showBalances();

protected:
    void onShow() override;

private:
    QWidget* buildContent();
    void choosePair(int option);
    void updatePostButton();

    Depreciation m_book;
    EntryRow* m_entry = nullptr;
    BalanceRadioGroup* m_inventory = nullptr;
    BalanceRadioGroup* m_depreciation = nullptr;
    ColourButton* m_post = nullptr;
};
