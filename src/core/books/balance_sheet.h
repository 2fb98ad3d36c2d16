#pragma once

#include <QList>

#include "core/books/account_book.h"
#include "core/books/balance_sheet_line.h"

// The contents of the balance sheet: the balance accounts in a DEBET and a CREDIT column,
// the result as the difference of the two, and the old and new equity. It holds no layout;
// the report places the lines in the order given. Every run starts from zero totals, so
// printing twice gives the same figures.
class BalanceSheet
{
public:
    static constexpr int EquityAccount = 70;

    // Fills the lines from the accounts as they stand.
    void Toonsaldo(const AccountBook& accounts);

    const QList<BalanceSheetLine>& lines() const { return m_lines; }
    QList<BalanceSheetLine> detailLines() const;
    QList<BalanceSheetLine> summaryLines() const;

    double debitTotal() const { return m_debitTotal; }
    double creditTotal() const { return m_creditTotal; }
    // Debit total minus credit total: a profit when zero or above.
    double result() const { return m_result; }
    double grandTotal() const { return m_grandTotal; }
    double oldEquity() const { return m_oldEquity; }
    double newEquity() const { return m_newEquity; }

private:
    void addColumnHeads();
    void addOldEquity();
    void addSection(int heading, int firstAccount, int lastAccount);
    void addDebtsSection();
    void addHeading(int account, const QString& caption);
    void addAccountRow(int account);
    void addResultAndTotals();
    void addSummary();
    void addSummaryLine(int account, const QString& caption, double amount);
    QString equityName() const;

    AccountBook m_accounts;
    QList<BalanceSheetLine> m_lines;
    double m_debitTotal = 0.0;
    double m_creditTotal = 0.0;
    double m_result = 0.0;
    double m_grandTotal = 0.0;
    double m_oldEquity = 0.0;
    double m_newEquity = 0.0;
};
