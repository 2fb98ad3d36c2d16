#pragma once

#include "core/entry/account_list_layout.h"
#include "core/entry/description_memory.h"
#include "core/entry/financial_options.h"
#include "gui/entry/account_entry_kind.h"
#include "gui/entry/entry_page.h"

class BalanceRadioGroup;
class SeparatorCheckList;
class QVBoxLayout;

// The income and expense windows: a date, a description completed from the last 30 typed,
// an amount, an account row of the 40-row list and a financial option; "Doorboeken" books
// it as one transaction and shows the new balances.
class AccountEntryWindow : public EntryPage
{
    Q_OBJECT
public:
    AccountEntryWindow(AccountEntryKind kind, DataModule& data, Ledger& ledger, Settings& settings,
                       QWidget* parent = nullptr);

    const AccountEntryKind& kind() const { return m_kind; }
    const AccountListLayout& layout() const { return m_layout; }
    SeparatorCheckList* accountList() const { return m_list; }
    BalanceRadioGroup* financialGroup() const { return m_financial; }
    const DescriptionMemory& descriptionMemory() const { return m_memory; }
    QString descriptionFile() const;

    // A member row is selected, a financial option chosen and the amount is not zero.
    bool canPost() const;
    // The post button: books when canPost(), else does nothing.
    void post();
    // Reads every balance the window shows from the accounts table.
    void showBalances();

protected:
    void onShow() override;
    void onClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Books the entry; income and expenses run in opposite directions.
    virtual EntryResult book(int listAccount, int financialAccount) = 0;
    // Room below the post button for what only one of the two windows has.
    QVBoxLayout* extrasLayout() const { return m_extras; }

private:
    QWidget* buildContent();
    QWidget* buildInstructions(QWidget* parent);
    void updatePostButton();
    void rememberDescription();
    void completeDescription(int key);
    void loadDescriptions();

    AccountEntryKind m_kind;
    AccountListLayout m_layout;
    FinancialOptions m_options;
    DescriptionMemory m_memory;
    SeparatorCheckList* m_list = nullptr;
    BalanceRadioGroup* m_financial = nullptr;
    ColourButton* m_post = nullptr;
    QVBoxLayout* m_extras = nullptr;
};
