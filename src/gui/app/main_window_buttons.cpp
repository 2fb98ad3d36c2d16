#include "gui/app/main_window_buttons.h"

const std::vector<const char*>& MainWindowButtons::groupHeadings()
{
    static const std::vector<const char*> headings{"VERWERKEN ", "  OVERZICHTEN ", "OPTIES",
                                                   "LEDEN administratie",
                                                   "  Opzetten administratie"};
    return headings;
}

const std::vector<const char*>& MainWindowButtons::groupObjectNames()
{
    static const std::vector<const char*> names{"processingGroup", "overviewsGroup", "optionsGroup",
                                                "membersGroup", "setupGroup"};
    return names;
}

const std::vector<MainWindowButton>& MainWindowButtons::list()
{
    static const std::vector<MainWindowButton> buttons{
        {0, "incomeButton", "   Inkomsten    ", "", "TForm8"},
        {0, "receiptsButton", "   Ontvangsten   ", "Openstaand", "TForm11"},
        {0, "expensesButton", "  Uitgaven ", "", "TForm15"},
        {0, "paymentsButton", "  Betalingen  ", "Openstaand", "TForm10"},
        {0, "crossPostingsButton", "   Kruisposten", "", "TForm9"},
        {0, "inventoryPurchaseButton", " Inkoop inventaris", "", "TForm34"},
        {1, "receivablesButton", "  Te ontvangen  ", "", "TForm14"},
        {1, "payablesButton", "  Te betalen      ", "", "TForm13"},
        {1, "balanceSheetButton", "  Balans            ", "", "TQuickReport12"},
        {1, "incomeStatementButton", "  Winst Verlies  ", "", "TQuickReport05"},
        {1, "accountOverviewButton", "  Rek. overzicht ", "", "TForm32"},
        {1, "journalButton", "  Journaalmutaties ", "", "TForm7"},
        {1, "SRColorButton9", "  Grafiek 1            ", "", "TQR1"},
        {1, "SRColorButton29", "  Grafiek 2       ", "", "TQuickReport14"},
        {2, "backupButton", "  Backup             ", "", "TForm17"},
        {2, "restoreButton", "  Restore             ", "", "TForm18"},
        {2, "budgetButton", "  Begroting        ", "", "TForm30"},
        {2, "budgetProgressButton", "  Begr.voortgang  ", "", "TForm35"},
        {2, "depreciationButton", "  Afschrijvingen     ", "", "TForm33"},
        {2, "yearEndCloseButton", "  Jaar afsluiten    ", "", "TForm16"},
        {3, "memberEntryButton", "  Invoer leden       ", "", "TForm3"},
        {3, "contributionsButton", "   Contributies   ", "", "TForm6"},
        {3, "mailingButton", "    Mailing             ", "", "TForm22"},
        {4, "accountsButton", "  Rekeningen       ", "", "TForm4"},
        {4, "openingBalanceButton", "  Start balans        ", "", "TForm5"},
        {4, "cleanSlateButton", "  Schone lei          ", "", "TForm31"},
        {4, "settingsButton", "   Instellingen      ", "", "TForm21"},
    };
    return buttons;
}
