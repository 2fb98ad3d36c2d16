#pragma once

#include "core/books/books_result.h"
#include "gui/app/page.h"

#include <functional>

class BalanceRadioGroup;
class ColourButton;
class DataModule;
class EntryRow;
class GradientPanel;
class Ledger;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class Settings;

// What the six windows that set up and close the books have in common: the top bar with the
// main window's title and the caption, the body panel, and a bottom row with the last
// journal number (where the window shows one), help and close.
class SetupPage : public Page
{
    Q_OBJECT
public:
    struct BottomRow
    {
        bool lastNumber = true;
        bool help = true;
        const char* helpCaption = " Help                ";
        const char* closeCaption = " Sluit venster   ";
    };

    SetupPage(DataModule& data, Ledger& ledger, Settings& settings, const QString& formName,
              const QString& caption, const QString& helpHeading, QWidget* parent = nullptr);

    QString helpHeading() const override { return m_helpHeading; }
    QLabel* lastNumberLabel() const { return m_lastNumber; }

    static QLabel* boldLabel(const QString& text, QWidget* parent);
    static QString journalNumberText(int number);

protected:
    // Lays out the window: `content` in the body, the bottom row below it.
    void buildFrame(QWidget* content, const BottomRow& bottom);
    ColourButton* postButton(const QString& caption, const QString& objectName, QWidget* parent);
    QWidget* instructions(const QStringList& lines, QWidget* parent);
    // Radio groups side by side, each as wide as its names need, under the entry row.
    static QHBoxLayout* choiceRow(const QList<QWidget*>& groups);

    // The form of the inventory purchase and depreciation windows: date, description and
    // amount, two radio groups with balances (RadioGroup1 and RadioGroup2), the numbered
    // steps and the post button (SRColorButton1).
    struct TwoChoiceForm
    {
        QWidget* content;
        EntryRow* entry;
        BalanceRadioGroup* first;
        BalanceRadioGroup* second;
        ColourButton* post;
    };
    struct ChoiceGroup
    {
        QString title;
        QStringList captions;
    };
    TwoChoiceForm buildTwoChoiceForm(const ChoiceGroup& first, const ChoiceGroup& second,
                                     const QStringList& steps, const QString& postCaption);

    void showLastNumber(int number);
    // The journal's record count, whatever filter a view holds.
    int journalLineCount() const;
    void refreshTitle();
    // Runs an action on the books; a failure is shown once, here, and not again by the
    // shell's table error box. The books are then as they were before the action.
    BooksResult carryOut(const std::function<BooksResult()>& action);
    // At the notice's last place: the close and set-up windows do not place it.
    void showUnplacedNotice();

    DataModule& m_data;
    Ledger& m_ledger;
    Settings& m_settings;
    QLabel* m_title = nullptr;
    QLabel* m_lastNumber = nullptr;

private:
    QWidget* buildTopBar();
    QWidget* buildBottomRow(QWidget* parent, const BottomRow& bottom);

    QString m_helpHeading;
};
