#pragma once

#include "core/entry/financial_options.h"
#include "gui/entry/entry_page.h"

class BalanceRadioGroup;

// "Verwerken kruisposten": a transfer between two bank, cash or difference accounts. The
// "to" choice is cleared after every press, so each posting names its target afresh.
class CrossPostingWindow : public EntryPage
{
    Q_OBJECT
public:
    static constexpr const char* DefaultDescription = "kruispost";

    CrossPostingWindow(DataModule& data, Ledger& ledger, Settings& settings,
                       QWidget* parent = nullptr);

    BalanceRadioGroup* fromGroup() const { return m_from; }
    BalanceRadioGroup* toGroup() const { return m_to; }

    // The amount is not zero, a "to" option is chosen and it differs from the "from" one.
    bool canPost() const;
    void post();
    void showBalances();

protected:
    void onShow() override;

private:
    QWidget* buildContent();
    QWidget* buildInstructions(QWidget* parent);
    void updatePostButton();

    FinancialOptions m_options{FinancialOptions::Differences};
    BalanceRadioGroup* m_from = nullptr;
    BalanceRadioGroup* m_to = nullptr;
    ColourButton* m_post = nullptr;
};
