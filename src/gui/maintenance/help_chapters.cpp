#include "gui/maintenance/help_chapters.h"

const std::vector<HelpChapter>& HelpChapters::list()
{
    static const std::vector<HelpChapter> chapters{
        {"Algemeen", "Doel van het programma", "a.1 Doel van het programma"},
        {"Algemeen", "Voor wie is dit programma", "a.2 Voor wie is dit programma"},
        {"Algemeen", "Hoe werkt boekhouden", "a.8 Hoe werkt het"},
        {"Algemeen", "Aanpassen van deze handleiding", "a.5 Aanpassen - uitbreiden"},
        {"Algemeen", "Overzichten met eigen logo", "a.6 Geprinte overzichten"},
        {"Algemeen", "Waaraan moet PC voldoen", "a.7 Waaraan moet het computersysteem"},
        {"Opzetten administratie", "Rekeningen", "5.1 REKENINGEN"},
        {"Opzetten administratie", "Start balans", "5.2 START BALANS"},
        {"Opzetten administratie", "Schone lei", "5.3 SCHONE LEI"},
        {"Opzetten administratie", "Instellingen", "5.4 INSTELLINGEN"},
        {"Verwerken", "Inkomsten", "1.1 INKOMSTEN"},
        {"Verwerken", "Te ontvangen", "1.2 TE ONTVANGEN"},
        {"Verwerken", "Uitgaven", "1.3 UITGAVEN"},
        {"Verwerken", "Te betalen", "1.4 TE BETALEN"},
        {"Verwerken", "Kruisposten", "1.5 KRUISPOSTEN"},
        {"Verwerken", "Inkoop inventaris", "1.6 INKOOP INVENTARIS"},
        {"Overzichten", "Te ontvangen", "2.1 TE ONTVANGEN"},
        {"Overzichten", "Te betalen", "2.2 TE BETALEN"},
        {"Overzichten", "Balans", "2.3 BALANS"},
        {"Overzichten", "Winst Verlies", "2.4 WINST EN VERLIES"},
        {"Overzichten", "Rekening overzicht", "2.5 REKENING OVERZICHT"},
        {"Overzichten", "Journaalmutaties", "2.6 JOURNAALMUTATIES"},
        {"Overzichten", "Grafiek 1", "2.7 GRAFIEK 1"},
        {"Overzichten", "Grafiek 2", "2.8 GRAFIEK 2"},
        {"Opties", "Backup", "3.1 BACKUP"},
        {"Opties", "Restore", "3.2 RESTORE"},
        {"Opties", "Begroting", "3.3 BEGROTING"},
        {"Opties", "Voortgang tov begroting", "3.3a VOORTGANG"},
        {"Opties", "Afschrijvingen", "3.4 AFSCHRIJVINGEN"},
        {"Opties", "Jaar afsluiten", "3.5 JAAR AFSLUITEN"},
        {"Leden administratie", "Invoer leden", "4.1 INVOER LEDEN"},
        {"Leden administratie", "Contributies", "4.2 CONTRIBUTIES"},
        {"Leden administratie", "Mailing", "4.3 MAILING"},
        {"Leden administratie", "Verzonden e-mails", "4.4 VERZONDEN E-MAIL"},
    };
    return chapters;
}
