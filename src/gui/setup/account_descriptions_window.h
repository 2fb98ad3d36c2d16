#pragma once

#include "gui/setup/setup_page.h"

class AccountGridModel;
class QCheckBox;
class QLineEdit;
class QTableView;

// "Wijzigen rekeningomschrijvingen": names the accounts of the fixed chart, marks those that
// always print, chooses whether 441-445 and 451-455 form one group, and prints the account
// list. A name or mark still being edited is posted when the window closes, so nothing
// typed is lost.
class AccountDescriptionsWindow : public SetupPage
{
    Q_OBJECT
public:
    static constexpr const char* ReportName = "TQuickReport02";

    AccountDescriptionsWindow(DataModule& data, Ledger& ledger, Settings& settings,
                              QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }
    AccountGridModel* gridModel() const { return m_model; }

    // " Afdrukken ": previews the account list when the report is free.
    void printAccountList();

protected:
    void onShow() override;
    void onClose() override;

private:
    QWidget* buildContent();
    QWidget* buildExplanation(QWidget* parent);
    void showCurrentAccount();
    void selectCurrentRow(int row);
    void takeTypedName(const QString& name);
    void takeAlwaysShow(bool checked);
    bool startEditing();
    void recomputeGroupTotals();
    void postPendingEdit();
    void writeGroupSetting();

    AccountGridModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_alwaysShow = nullptr;
    QCheckBox* m_combinedGroup = nullptr;
};
