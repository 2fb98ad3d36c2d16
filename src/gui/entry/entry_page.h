#pragma once

#include <QList>

#include "core/entry/entry_posting.h"
#include "gui/app/page.h"

class ColourButton;
class DataModule;
class GradientPanel;
class Ledger;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class Settings;
class AmountEdit;

// What the entry windows have in common: the top bar with the association's title, the body
// panel, the last journal number, the shortcut buttons to the other entry windows, help and
// close, and the entry row of date, description and amount.
class EntryPage : public Page
{
    Q_OBJECT
public:
    struct Shortcut
    {
        const char* objectName;
        const char* caption;
        const char* target; // form name of the window it opens
    };

    EntryPage(DataModule& data, Ledger& ledger, Settings& settings, const QString& formName,
              const QString& caption, const QString& helpHeading, QWidget* parent = nullptr);

    QString helpHeading() const override { return m_helpHeading; }
    DataModule& data() { return m_data; }

    // Shows another entry window in this one's place without closing this one.
    void openShortcut(const QString& formName);
    // The post button's colours while it can and cannot be pressed.
    static void stylePostButton(ColourButton* button);

protected:
    // Lays out the window: `content` in the body, the common bottom row below it.
    void buildFrame(QWidget* content, const QList<Shortcut>& shortcuts);
    // The entry row with its column heads "Datum", "Omschrijving", "Bedrag".
    QWidget* buildEntryRow(const QString& dateName, const QString& descriptionName,
                           const QString& amountName);
    QLabel* instruction(const QString& text, QWidget* parent);
    ColourButton* postButton(const QString& caption, QWidget* parent);

    void showLastNumber();
    void refreshTitle();
    // Shows a failed posting; the books are as they were.
    void reportFailure(const QString& error);

    DataModule& m_data;
    Ledger& m_ledger;
    Settings& m_settings;
    EntryPosting m_posting;

    QDateEdit* m_date = nullptr;
    QLineEdit* m_description = nullptr;
    AmountEdit* m_amount = nullptr;
    QLabel* m_lastNumber = nullptr;
    QLabel* m_title = nullptr;

private:
    QWidget* buildTopBar();
    QWidget* buildBottomRow(const QList<Shortcut>& shortcuts);

    QString m_helpHeading;
    GradientPanel* m_body = nullptr;
};
