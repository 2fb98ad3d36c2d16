#pragma once

#include "gui/app/page.h"

#include <QList>

class BandedReport;
class ColourButton;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;
class Table;
class TableModel;

// The journal overview: the journal lines under five filter boxes, the date and the
// description of the current line to correct, and the print of the lines shown. The filter
// lives in the shared journal table while the window is open and is removed when it closes.
class JournalOverviewWindow : public Page
{
    Q_OBJECT
public:
    static constexpr const char* FormName = "TForm7";
    static constexpr const char* HelpHeading = "2.6 JOURNAALMUTATIES";

    JournalOverviewWindow(Table& journal, BandedReport& print, QWidget* parent = nullptr);
    ~JournalOverviewWindow() override;

    QString helpHeading() const override { return QString::fromUtf8(HelpHeading); }

    // The change handler of all five filter boxes: rebuilds the filter from all of them.
    void Edit4Change();
    // "  Afdrukken     ": previews the journal print unless it is busy.
    void SRColorButton1Click();
    int shownCount() const;

protected:
    void onShow() override;
    void onClose() override;

private:
    QWidget* buildFilterPanel();
    QWidget* buildEditors();
    QWidget* buildNavigator();
    QWidget* buildButtons();
    QLineEdit* addFilterBox(const QString& objectName, int width);
    void showCount();
    void followTable();
    void selectGridRow(int row);
    void loadEditors();
    void commitEditors();
    void commitDate();
    void commitDescription();
    bool writeField(const QString& field, const QVariant& value);

    Table& m_journal;
    BandedReport& m_print;
    TableModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QLineEdit* m_fromNumber = nullptr;
    QLineEdit* m_toNumber = nullptr;
    QLineEdit* m_description = nullptr;
    QLineEdit* m_fromAccount = nullptr;
    QLineEdit* m_toAccount = nullptr;
    QList<QLineEdit*> m_filterBoxes;
    QLabel* m_count = nullptr;
    QDateEdit* m_dateEditor = nullptr;
    QLineEdit* m_descriptionEditor = nullptr;
    bool m_loading = false;
};
