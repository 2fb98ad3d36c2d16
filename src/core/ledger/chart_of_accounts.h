#pragma once

#include <QList>
#include <QString>

// The fixed chart of accounts. The number alone decides an account's role; only the names
// and the "always print" marks belong to the user.
namespace ChartOfAccounts {
// The 102 accounts journal lines are booked between, ascending.
const QList<int>& PostingAccounts();
// The 18 accounts that hold the sum of their group and are never booked to.
const QList<int>& TotalAccounts();
bool isPostingAccount(int account);
bool isTotalAccount(int account);
// The members of a total account's group. With CombinedGroup440 set, 440 takes 441-445 and
// 451-455 and 450 takes nothing.
QList<int> groupOf(int total, bool CombinedGroup440);
// The name a new administration starts with.
QString defaultName(int account);
// Every account, posting and total, ascending.
QList<int> allAccounts();
} // namespace ChartOfAccounts
