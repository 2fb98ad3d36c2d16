#pragma once

#include "core/entry/financial_options.h"
#include "gui/entry/entry_page.h"

class BalanceRadioGroup;
class OpenItemGrid;
class QLabel;
class QLineEdit;
class Table;
class TableModel;

// The two windows that settle open items: pick an item in the grid, adjust date,
// description and amount (a partial payment), choose the bank or cash account and post.
// The items can be filtered, marked with "S" and merged two at a time.
class OpenItemSettlingWindow : public EntryPage
{
    Q_OBJECT
public:
    struct Kind
    {
        QString formName;
        QString caption;
        QString helpHeading;
        bool receivables;
        QString mergeCaption;
        QString postCaption;
        QString accountInstruction;
        QList<EntryPage::Shortcut> shortcuts;
    };

    OpenItemSettlingWindow(Kind kind, DataModule& data, Ledger& ledger, Settings& settings,
                           QWidget* parent = nullptr);

    Table& items() const;
    // 211 or 201.
    int openItemAccount() const;
    OpenItemGrid* grid() const { return m_grid; }
    BalanceRadioGroup* financialGroup() const { return m_financial; }

    // The amount is not zero and the grid shows at least one item.
    bool canPost() const;
    // Books the payment and settles the grid's current item.
    void post();
    // "Samenvoegen": merges the first two marked items.
    void mergeMarked();
    // "S" in the grid.
    void toggleMark();
    // Ctrl+Delete in the grid, after the grid's confirmation.
    void deleteCurrentItem();
    // Copies the clicked item's description and amount into the entry row.
    void pickItem(int row);
    // Rebuilds the filter from the three filter boxes.
    void applyFilter();
    void showBalances();

protected:
    void onShow() override;
    void onClose() override;

private:
    QWidget* buildContent();
    QWidget* buildGridPanel(QWidget* parent);
    QWidget* buildFilterPanel(QWidget* parent);
    QWidget* buildInstructions(QWidget* parent);
    void updatePostButton();

    Kind m_kind;
    FinancialOptions m_options{FinancialOptions::Differences};
    OpenItemGrid* m_grid = nullptr;
    TableModel* m_model = nullptr;
    BalanceRadioGroup* m_financial = nullptr;
    ColourButton* m_post = nullptr;
    QLabel* m_openCaption = nullptr;
    QLabel* m_openBalance = nullptr;
    QList<QLineEdit*> m_filters;
};
