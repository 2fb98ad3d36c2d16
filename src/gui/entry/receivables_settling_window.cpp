#include "gui/entry/receivables_settling_window.h"

namespace {
OpenItemSettlingWindow::Kind receivables()
{
    return {QStringLiteral("TForm11"),
            QStringLiteral("Verwerken van nog te ontvangen"),
            QStringLiteral("1.2 TE ONTVANGEN"),
            true,
            QStringLiteral("Samenvoegen"),
            QStringLiteral("Doorboeken     "),
            QStringLiteral("5. Klik op de rekening waar het op is binnengekomen"),
            {{"payablesShortcut", "Te betalen      ", "TForm10"},
             {"incomeShortcut", "Inkomsten      ", "TForm8"},
             {"expensesShortcut", "Uitgaven        ", "TForm15"},
             {"crossPostingsShortcut", "Kruisposten    ", "TForm9"}}};
}
} // namespace

ReceivablesSettlingWindow::ReceivablesSettlingWindow(DataModule& data, Ledger& ledger,
                                                     Settings& settings, QWidget* parent)
    : OpenItemSettlingWindow(receivables(), data, ledger, settings, parent)
{
}
