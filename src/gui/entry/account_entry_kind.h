#pragma once

#include <QList>
#include <QString>

#include "gui/entry/entry_page.h"

// What sets the income window and the expense window apart; everything else they share.
struct AccountEntryKind
{
    QString formName;
    QString caption;
    QString helpHeading;
    QString listHeading;
    QString accountInstruction;
    // 700 for income, 400 for expenses.
    int listBase;
    // Income balances run negative and are shown as positive figures.
    bool negateList;
    // 211 for income, 201 for expenses.
    int lastFinancialAccount;
    QString lastOptionCaption;
    const char* descriptionFileName;
    QList<EntryPage::Shortcut> shortcuts;

    static AccountEntryKind income();
    static AccountEntryKind expenses();
};
