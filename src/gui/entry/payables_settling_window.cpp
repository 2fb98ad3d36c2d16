#include "gui/entry/payables_settling_window.h"

namespace {
OpenItemSettlingWindow::Kind payables()
{
    return {QStringLiteral("TForm10"),
            QStringLiteral("Verwerken van nog te betalen rekeningen"),
            QStringLiteral("1.4 TE BETALEN"),
            false,
            QStringLiteral(" Samenvoegen"),
            QStringLiteral(" Doorboeken     "),
            QStringLiteral("5. Klik op de rekening waar het vanaf is gegaan"),
            {{"receivablesShortcut", " Te ontvangen ", "TForm11"},
             {"incomeShortcut", " Inkomsten      ", "TForm8"},
             {"expensesShortcut", " Uitgaven        ", "TForm15"},
             {"crossPostingsShortcut", " Kruisposten    ", "TForm9"}}};
}
} // namespace

PayablesSettlingWindow::PayablesSettlingWindow(DataModule& data, Ledger& ledger, Settings& settings,
                                               QWidget* parent)
    : OpenItemSettlingWindow(payables(), data, ledger, settings, parent)
{
}
