#include "core/books/income_statement.h"

#include <algorithm>

namespace {

QList<int> range(int first, int last)
{
    QList<int> accounts;
    for (int account = first; account <= last; ++account)
        accounts << account;
    return accounts;
}

} // namespace

QList<int> IncomeStatement::incomeAccounts()
{
    QList<int> accounts;
    for (int group = 700; group <= 750; group += 10)
        accounts << range(group + 1, group + 5) << group;
    accounts << range(761, 763) << 760;
    return accounts;
}

QList<int> IncomeStatement::expenseAccounts(bool CombinedGroup440)
{
    QList<int> accounts;
    for (int group = 400; group <= 430; group += 10)
        accounts << range(group + 1, group + 5) << group;
    if (CombinedGroup440)
        accounts << range(441, 445) << range(451, 455) << 440;
    else
        accounts << range(441, 445) << 440 << range(451, 455) << 450;
    accounts << range(461, 463) << 460 << range(491, 499) << 490;
    return accounts;
}

bool IncomeStatement::isGroupAccount(int account)
{
    return account % 10 == 0 &&
           ((account >= 400 && account <= 490) || (account >= 700 && account <= 760));
}

void IncomeStatement::toonsaldo(const AccountBook& accounts, bool CombinedGroup440)
{
    m_accounts = accounts;
    m_lines.clear();
    m_incomeTotal = 0.0;
    m_expenseTotal = 0.0;

    addHeading(Line::Side::Income, QStringLiteral("INKOMSTEN"));
    int row = 1;
    for (int account : incomeAccounts())
        vulinveldinkomst(row, account, isGroupAccount(account));

    addHeading(Line::Side::Expense, QStringLiteral("UITGAVEN"));
    row = 1;
    for (int account : expenseAccounts(CombinedGroup440))
        vulinvelduitgave(row, account, isGroupAccount(account));

    addDepositDifferences();
    addResultAndTotals();
    // Rows were placed side by side; print the income side first, each in its own order.
    std::stable_sort(m_lines.begin(), m_lines.end(), [](const Line& a, const Line& b) {
        return a.side == Line::Side::Income && b.side == Line::Side::Expense;
    });
}

QList<IncomeStatement::Line> IncomeStatement::side(Line::Side side) const
{
    QList<Line> lines;
    for (const Line& line : m_lines)
        if (line.side == side)
            lines << line;
    return lines;
}

void IncomeStatement::vulinveldinkomst(int& row, int account, bool group)
{
    place(Line::Side::Income, row, account, group);
}

void IncomeStatement::vulinvelduitgave(int& row, int account, bool group)
{
    place(Line::Side::Expense, row, account, group);
}

void IncomeStatement::place(Line::Side side, int& row, int account, bool group)
{
    const AccountEntry entry = m_accounts.entry(account);
    // Income runs negative in the books and prints positive.
    const double value =
        StatementAmount::cents(side == Line::Side::Income ? -entry.saldo : entry.saldo);
    const bool zero = StatementAmount::isZero(value);
    if (group && !zero)
        (side == Line::Side::Income ? m_incomeTotal : m_expenseTotal) += value;
    if (zero && !entry.Altijdtonen)
        return;
    const int lastRow = side == Line::Side::Income ? IncomeRows : ExpenseRows;
    if (row <= lastRow) {
        Line line;
        line.side = side;
        line.kind = group ? Line::Kind::GroupRow : Line::Kind::AccountRow;
        line.row = row;
        line.level = group ? 0 : 1;
        line.account = account;
        line.caption = entry.Naam;
        line.column = group ? Line::Column::Group : Line::Column::Detail;
        line.amount = StatementAmount::number(value);
        line.captionGrey = true;
        line.amountGrey = !group;
        line.ruleAbove = group && row > 1;
        m_lines << line;
    }
    ++row;
}

void IncomeStatement::addHeading(Line::Side side, const QString& caption)
{
    Line line;
    line.side = side;
    line.kind = Line::Kind::Heading;
    line.caption = caption;
    line.bold = true;
    line.italic = true;
    m_lines << line;
}

void IncomeStatement::addFooterLine(Line::Side side, Line::Kind kind, int account,
                                    const QString& caption, double amount)
{
    Line line;
    line.side = side;
    line.kind = kind;
    line.account = account;
    line.caption = caption;
    line.column = Line::Column::Group;
    line.amount = StatementAmount::number(amount);
    m_lines << line;
}

void IncomeStatement::addDepositDifferences()
{
    const AccountEntry entry = m_accounts.entry(DepositDifferencesAccount);
    const double saldo = StatementAmount::cents(entry.saldo);
    if (StatementAmount::isZero(saldo))
        return;
    if (saldo > 0) {
        addFooterLine(Line::Side::Expense, Line::Kind::DepositDifferences,
                      DepositDifferencesAccount, entry.Naam, saldo);
        m_expenseTotal += saldo;
    } else {
        addFooterLine(Line::Side::Income, Line::Kind::DepositDifferences, DepositDifferencesAccount,
                      entry.Naam, -saldo);
        m_incomeTotal += -saldo;
    }
}

void IncomeStatement::addTotal(Line::Side side)
{
    Line line;
    line.side = side;
    line.kind = Line::Kind::Total;
    line.caption = QStringLiteral("TOTAAL");
    line.column = Line::Column::Group;
    line.amount = StatementAmount::money(m_grandTotal);
    line.bold = true;
    m_lines << line;
}

void IncomeStatement::addResultAndTotals()
{
    m_incomeTotal = StatementAmount::cents(m_incomeTotal);
    m_expenseTotal = StatementAmount::cents(m_expenseTotal);
    m_result = StatementAmount::cents(m_incomeTotal - m_expenseTotal);
    if (m_result >= 0) {
        addFooterLine(Line::Side::Expense, Line::Kind::Result, 0,
                      QStringLiteral("Positief resultaat (Over)"), m_result);
        m_grandTotal = m_incomeTotal;
    } else {
        addFooterLine(Line::Side::Income, Line::Kind::Result, 0,
                      QStringLiteral("Negatief resultaat (Tekort)"), -m_result);
        m_grandTotal = m_expenseTotal;
    }
    addTotal(Line::Side::Income);
    addTotal(Line::Side::Expense);
}
