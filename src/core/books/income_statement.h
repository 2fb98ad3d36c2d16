#pragma once

#include <QList>

#include "core/books/account_book.h"
#include "core/books/income_statement_line.h"

// The contents of the income and expenditure statement: the income groups 700-760 beside
// the expense groups 400-490, each group's accounts followed by its group line, account
// 901 on the side its balance belongs to, and the result. The totals are built from the
// stored group accounts alone. Every run starts from zero totals.
class IncomeStatement
{
public:
    using Line = IncomeStatementLine;
    static constexpr int IncomeRows = 40;
    static constexpr int ExpenseRows = 50;
    static constexpr int DepositDifferencesAccount = 901;

    // Fills the lines from the accounts as they stand. With CombinedGroup440 the accounts
    // 451-455 print under 440 and there is no 450 line.
    void toonsaldo(const AccountBook& accounts, bool CombinedGroup440);

    // Place one account on the income or the expense side at row `row` and move the row on
    // when it prints. `group` marks a group account, whose value counts in the side's total.
    void vulinveldinkomst(int& row, int account, bool group);
    void vulinvelduitgave(int& row, int account, bool group);

    const QList<Line>& lines() const { return m_lines; }
    // The lines of one side in print order.
    QList<Line> side(Line::Side side) const;

    double incomeTotal() const { return m_incomeTotal; }
    double expenseTotal() const { return m_expenseTotal; }
    // Income total minus expense total: a surplus when zero or above.
    double result() const { return m_result; }
    double grandTotal() const { return m_grandTotal; }

    // The accounts in calling order, group accounts included (income side, expense side).
    static QList<int> incomeAccounts();
    static QList<int> expenseAccounts(bool CombinedGroup440);
    static bool isGroupAccount(int account);

private:
    void place(Line::Side side, int& row, int account, bool group);
    void addHeading(Line::Side side, const QString& caption);
    void addDepositDifferences();
    void addResultAndTotals();
    void addFooterLine(Line::Side side, Line::Kind kind, int account, const QString& caption,
                       double amount);
    void addTotal(Line::Side side);

    AccountBook m_accounts;
    QList<Line> m_lines;
    double m_incomeTotal = 0.0;
    double m_expenseTotal = 0.0;
    double m_result = 0.0;
    double m_grandTotal = 0.0;
};
