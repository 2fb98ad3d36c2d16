#pragma once

#include "gui/entry/account_entry_window.h"

class QCheckBox;
class QComboBox;

// "Verwerken inkomsten": books from an income account to a bank or cash account, or to 211
// with an open receivable. A member picked from the register fills the description and,
// with "incl. contributie", the amount.
class IncomeEntryWindow : public AccountEntryWindow
{
    Q_OBJECT
public:
    IncomeEntryWindow(DataModule& data, Ledger& ledger, Settings& settings,
                      QWidget* parent = nullptr);

    // "Leden keuze AAN" / "Leden keuze UIT": shows or hides the member box.
    void toggleMemberPick();
    bool memberPickShown() const;
    // Fills the description (and the amount) from the member in row `row` of the register.
    void pickMember(int row);
    QComboBox* memberBox() const { return m_members; }

protected:
    EntryResult book(int listAccount, int financialAccount) override;
    void onShow() override;

private:
    void buildMemberPick();
    void fillMemberBox();
    void styleMemberButton();

    ColourButton* m_memberButton = nullptr;
    QCheckBox* m_withContribution = nullptr;
    QComboBox* m_members = nullptr;
};
