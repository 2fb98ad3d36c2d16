#pragma once

#include "gui/setup/setup_page.h"

// "Met schone lei beginnen": wipes the books when they can no longer be put right. Journal,
// balances and both open-item lists are emptied; members, the chart's names and flags, the
// budget and the settings stay.
class CleanSlateWindow : public SetupPage
{
    Q_OBJECT
public:
    CleanSlateWindow(DataModule& data, Ledger& ledger, Settings& settings,
                     QWidget* parent = nullptr);

    // " Uitvoeren       ": asks first, "No" being the default.
    void carryOutCleanSlate();

protected:
    void onShow() override;

private:
    QWidget* buildContent();

    ColourButton* m_carryOut = nullptr;
};
