#include "core/ledger/chart_of_accounts.h"

#include <QHash>
#include <algorithm>

namespace ChartOfAccounts {
namespace {

QList<int> range(int from, int to)
{
    QList<int> r;
    for (int a = from; a <= to; ++a)
        r << a;
    return r;
}

QList<int> buildPostingAccounts()
{
    QList<int> a{70};
    a << range(101, 109) << range(111, 115) << range(131, 139) << 201 << 211;
    for (int total : {400, 410, 420, 430, 440, 450})
        a << range(total + 1, total + 5);
    a << range(461, 463) << range(491, 499);
    for (int total : {700, 710, 720, 730, 740, 750})
        a << range(total + 1, total + 5);
    a << range(761, 763) << 901;
    return a;
}

const QHash<int, QString>& names()
{
    static const QHash<int, QString> n = [] {
        QHash<int, QString> h{
            {70, "Eigen vermogen"},
            {100, "Banken"},
            {110, "Kassen"},
            {130, "Inventaris / middelen"},
            {201, "Nog te betalen"},
            {211, "Nog te ontvangen"},
            {901, "stortingverschillen"},
            {400, "Algemene kosten"},
            {401, "Bestuurskosten"},
            {402, "Vergaderkosten"},
            {403, "Drukwerk en kantoorartikelen"},
            {404, "Porti en telefoon"},
            {405, "Bankkosten"},
            {410, "Huisvesting"},
            {411, "Huur"},
            {412, "Energie"},
            {413, "Schoonmaak"},
            {414, "Onderhoud"},
            {415, "Verzekering gebouw"},
            {420, "Activiteiten"},
            {421, "Activiteiten algemeen"},
            {422, "Evenementen"},
            {423, "Jubilea en attenties"},
            {424, "Reiskosten"},
            {425, "Prijzen en bekers"},
            {430, "Leden en communicatie"},
            {431, "Clubblad"},
            {432, "Website"},
            {433, "Ledenwerving"},
            {434, "Afdracht bond"},
            {435, "Lidmaatschappen"},
            {440, "Sport en materiaal"},
            {441, "Materiaal"},
            {442, "Kleding"},
            {443, "Trainers"},
            {444, "Zaalhuur"},
            {445, "Wedstrijdkosten"},
            {450, "Kantine"},
            {451, "Inkoop kantine"},
            {452, "Inkoop dranken"},
            {453, "Kantinebenodigdheden"},
            {454, "Vrijwilligers"},
            {455, "Overige kantinekosten"},
            {460, "Overige kosten"},
            {461, "Verzekeringen"},
            {462, "Giften"},
            {463, "Diverse kosten"},
            {490, "Afschrijvingen"},
            {700, "Contributies"},
            {701, "Contributies"},
            {702, "Inschrijfgelden"},
            {703, "Jeugdcontributies"},
            {704, "Donaties"},
            {705, "Ereleden"},
            {710, "Subsidies en sponsoring"},
            {711, "Subsidie gemeente"},
            {712, "Subsidie provincie"},
            {713, "Fondsen"},
            {714, "Sponsoring"},
            {715, "Advertenties"},
            {720, "Activiteiten"},
            {721, "Entreegelden"},
            {722, "Evenementen"},
            {723, "Loterijen"},
            {724, "Acties"},
            {725, "Cursusgelden"},
            {730, "Kantine"},
            {731, "Omzet kantine"},
            {732, "Omzet dranken"},
            {733, "Verhuur"},
            {734, "Automaten"},
            {735, "Overige kantine"},
            {740, "Verkoop"},
            {741, "Verkoop kleding"},
            {742, "Verkoop materiaal"},
            {743, "Verkoop clubblad"},
            {744, "Verkoop overig"},
            {745, "Statiegeld"},
            {750, "Financiële baten"},
            {751, "Rente"},
            {752, "Giften"},
            {753, "Nalatenschappen"},
            {754, "Terugontvangen kosten"},
            {755, "Bijzondere baten"},
            {760, "Overige inkomsten"},
            {761, "Diverse inkomsten"},
            {762, "Verzekeringsuitkeringen"},
            {763, "Overige baten"},
        };
        for (int i = 1; i <= 9; ++i) {
            h.insert(100 + i, QStringLiteral("Bank %1").arg(i));
            h.insert(130 + i, QStringLiteral("Inventaris %1").arg(i));
            h.insert(490 + i, QStringLiteral("Afschrijving inventaris %1").arg(i));
        }
        for (int i = 1; i <= 5; ++i)
            h.insert(110 + i, QStringLiteral("kas %1").arg(i));
        return h;
    }();
    return n;
}

} // namespace

const QList<int>& PostingAccounts()
{
    static const QList<int> accounts = buildPostingAccounts();
    return accounts;
}

const QList<int>& TotalAccounts()
{
    static const QList<int> totals{100, 110, 130, 400, 410, 420, 430, 440, 450,
                                   460, 490, 700, 710, 720, 730, 740, 750, 760};
    return totals;
}

bool isPostingAccount(int account)
{
    return std::binary_search(PostingAccounts().begin(), PostingAccounts().end(), account);
}

bool isTotalAccount(int account)
{
    return TotalAccounts().contains(account);
}

QList<int> groupOf(int total, bool CombinedGroup440)
{
    switch (total) {
    case 100:
        return range(101, 109);
    case 110:
        return range(111, 115);
    case 130:
        return range(131, 139);
    case 440:
        return CombinedGroup440 ? range(441, 445) + range(451, 455) : range(441, 445);
    case 450:
        return CombinedGroup440 ? QList<int>() : range(451, 455);
    case 460:
        return range(461, 463);
    case 490:
        return range(491, 499);
    case 760:
        return range(761, 763);
    default:
        if (isTotalAccount(total))
            return range(total + 1, total + 5);
        return {};
    }
}

QString defaultName(int account)
{
    return names().value(account);
}

QList<int> allAccounts()
{
    QList<int> all = PostingAccounts() + TotalAccounts();
    std::sort(all.begin(), all.end());
    return all;
}

} // namespace ChartOfAccounts
