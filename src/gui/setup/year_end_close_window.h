#pragma once

#include "gui/setup/setup_page.h"

class QDateEdit;

// "Afsluiten boekjaar": starts a new financial year in the same administration. The close
// runs once per visit of the window: a second press (a double click, say) would empty the
// new journal again and move the members' contribution marks on a second year, losing
// those of the past year.
class YearEndCloseWindow : public SetupPage
{
    Q_OBJECT
public:
    YearEndCloseWindow(DataModule& data, Ledger& ledger, Settings& settings,
                       QWidget* parent = nullptr);

    // " jaar afsluiten  ".
    void closeYear();
    bool canCloseYear() const;

protected:
    void onShow() override;

private:
    QWidget* buildContent();

    QDateEdit* m_closingDate = nullptr;
    ColourButton* m_closeYear = nullptr;
};
