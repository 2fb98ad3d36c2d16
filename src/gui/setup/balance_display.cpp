#include "gui/setup/balance_display.h"

#include "core/amount_format.h"
#include "core/books/account_book.h"
#include "gui/widgets/balance_radio_group.h"

QColor BalanceDisplay::colourFor(double saldo)
{
    return saldo < 0 ? QColor(Qt::red) : QColor(170, 170, 170);
}

QString BalanceDisplay::textFor(double saldo)
{
    return AmountFormat::format(saldo);
}

void BalanceDisplay::fill(BalanceRadioGroup& group, const AccountBook& book,
                          const QList<int>& accounts)
{
    for (int option = 0; option < accounts.size() && option < group.count(); ++option) {
        const AccountEntry account = book.entry(accounts[option]);
        group.setOptionCaption(option, account.Naam);
        group.setBalance(option, textFor(account.saldo), colourFor(account.saldo));
    }
}
