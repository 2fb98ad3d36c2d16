#include "core/app/ledger_status.h"

#include "core/amount_format.h"

#include <cmath>

LedgerStatus LedgerStatus::fromTotal(double ledgerTotal)
{
    LedgerStatus status;
    status.inBalance = std::fabs(ledgerTotal) < 0.01;
    if (status.inBalance) {
        status.text = QStringLiteral("Grootboek is in BALANS (OK)");
        status.colour = InBalanceColour;
        return status;
    }
    status.text = QStringLiteral("Grootboek is NIET in BALANS verschil = ") +
                  (ledgerTotal >= 0 ? QStringLiteral("POSITIEF ") : QStringLiteral("NEGATIEF ")) +
                  AmountFormat::currency(std::fabs(ledgerTotal));
    status.colour = OutOfBalanceColour;
    return status;
}
