#include "core/books/balance_sheet.h"

#include <cmath>

void BalanceSheet::Toonsaldo(const AccountBook& accounts)
{
    m_accounts = accounts;
    m_lines.clear();
    m_debitTotal = 0.0;
    m_creditTotal = 0.0;
    addColumnHeads();
    addOldEquity();
    addSection(100, 101, 109);
    addSection(110, 111, 115);
    addSection(130, 131, 139);
    addDebtsSection();
    addResultAndTotals();
    addSummary();
}

QList<BalanceSheetLine> BalanceSheet::detailLines() const
{
    QList<BalanceSheetLine> detail;
    for (const BalanceSheetLine& line : m_lines)
        if (line.block == BalanceSheetLine::Block::Detail)
            detail << line;
    return detail;
}

QList<BalanceSheetLine> BalanceSheet::summaryLines() const
{
    QList<BalanceSheetLine> summary;
    for (const BalanceSheetLine& line : m_lines)
        if (line.block == BalanceSheetLine::Block::Summary)
            summary << line;
    return summary;
}

QString BalanceSheet::equityName() const
{
    return m_accounts.Naam(EquityAccount);
}

void BalanceSheet::addColumnHeads()
{
    BalanceSheetLine line;
    line.kind = BalanceSheetLine::Kind::ColumnHeads;
    line.debit.text = QStringLiteral("DEBET");
    line.credit.text = QStringLiteral("CREDIT");
    m_lines << line;
}

void BalanceSheet::addOldEquity()
{
    m_oldEquity = StatementAmount::cents(m_accounts.saldo(EquityAccount));
    BalanceSheetLine line;
    line.kind = BalanceSheetLine::Kind::OldEquity;
    line.account = EquityAccount;
    line.caption = equityName() + QStringLiteral(" (oud)");
    line.captionGrey = true;
    // Unlike an account row, an equity of exactly 0 goes to the CREDIT side.
    if (m_oldEquity > 0) {
        line.debit = StatementAmount::number(m_oldEquity);
        m_debitTotal += line.debit.value;
    } else {
        line.credit = StatementAmount::number(-m_oldEquity);
        m_creditTotal += line.credit.value;
    }
    m_lines << line;
}

void BalanceSheet::addHeading(int account, const QString& caption)
{
    BalanceSheetLine line;
    line.kind = BalanceSheetLine::Kind::SectionHeading;
    line.account = account;
    line.caption = caption;
    line.bold = true;
    line.captionGrey = true;
    m_lines << line;
}

void BalanceSheet::addAccountRow(int account)
{
    const AccountEntry entry = m_accounts.entry(account);
    if (StatementAmount::isZero(entry.saldo) && !entry.Altijdtonen)
        return;
    const double saldo = StatementAmount::cents(entry.saldo);
    BalanceSheetLine line;
    line.kind = BalanceSheetLine::Kind::AccountRow;
    line.account = account;
    line.level = 1;
    line.caption = entry.Naam;
    line.captionGrey = true;
    if (saldo >= 0) {
        line.debit = StatementAmount::number(saldo);
        m_debitTotal += line.debit.value;
    } else {
        line.credit = StatementAmount::number(-saldo);
        m_creditTotal += line.credit.value;
    }
    m_lines << line;
}

void BalanceSheet::addSection(int heading, int firstAccount, int lastAccount)
{
    addHeading(heading, m_accounts.Naam(heading));
    for (int account = firstAccount; account <= lastAccount; ++account)
        addAccountRow(account);
}

void BalanceSheet::addDebtsSection()
{
    addHeading(0, QStringLiteral("Schulden / vorderingen"));
    addAccountRow(201);
    addAccountRow(211);
}

void BalanceSheet::addResultAndTotals()
{
    m_debitTotal = StatementAmount::cents(m_debitTotal);
    m_creditTotal = StatementAmount::cents(m_creditTotal);
    m_result = StatementAmount::cents(m_debitTotal - m_creditTotal);

    BalanceSheetLine result;
    result.kind = BalanceSheetLine::Kind::Result;
    if (m_result >= 0) {
        result.caption = QStringLiteral("Positief resultaat (vermogenstoename)");
        result.credit = StatementAmount::number(m_result);
        m_grandTotal = m_debitTotal;
    } else {
        result.caption = QStringLiteral("Negatief resultaat (vermogensafname)");
        result.debit = StatementAmount::number(-m_result);
        m_grandTotal = m_creditTotal;
    }
    m_lines << result;

    BalanceSheetLine totals;
    totals.kind = BalanceSheetLine::Kind::Totals;
    totals.caption = QStringLiteral("TOTALEN");
    totals.bold = true;
    totals.debit = StatementAmount::money(m_grandTotal);
    totals.credit = StatementAmount::money(m_grandTotal);
    m_lines << totals;
}

void BalanceSheet::addSummaryLine(int account, const QString& caption, double amount)
{
    BalanceSheetLine line;
    line.kind = BalanceSheetLine::Kind::Summary;
    line.block = BalanceSheetLine::Block::Summary;
    line.account = account;
    line.caption = caption;
    line.captionGrey = true;
    line.amount = StatementAmount::number(amount);
    m_lines << line;
}

void BalanceSheet::addSummary()
{
    // The equity runs negative when it is positive: the sign word says which it is and
    // the amount goes without its sign.
    const QString name = equityName();
    addSummaryLine(EquityAccount,
                   name + (m_oldEquity > 0 ? QStringLiteral(" oud (NEGATIEF)")
                                           : QStringLiteral(" oud (POSITIEF)")),
                   std::fabs(m_oldEquity));
    m_newEquity = StatementAmount::cents(m_oldEquity - m_result);
    addSummaryLine(EquityAccount,
                   name + (m_newEquity > 0 ? QStringLiteral(" nieuw (NEGATIEF)")
                                           : QStringLiteral(" nieuw (POSITIEF)")),
                   std::fabs(m_newEquity));
    for (int total : {100, 110, 130})
        addSummaryLine(total, QStringLiteral("Saldo ") + m_accounts.Naam(total),
                       m_accounts.saldo(total));
    addSummaryLine(0, QStringLiteral("Saldo schulden/vorderingen"),
                   m_accounts.saldo(201) + m_accounts.saldo(211));
}
