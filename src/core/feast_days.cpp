#include "core/feast_days.h"

namespace {

constexpr int kFirstGregorianYear = 1583;
constexpr int kLastYear = 9999;

// C++ integer division truncates toward zero, which is what the formula is written for.
QDate easterSunday(int year)
{
    const int a = year % 19;
    const int century = year / 100;
    const int yearInCentury = year % 100;
    const int e = century % 4;
    const int m = century - century / 4 - (8 * century + 13) / 25;
    const int x = (11 * m - 4) / 30;
    const int y = (7 * a + x + 6) / 11;
    const int h = (19 * a + m + 15 - y) % 29;
    const int l = (2 * e + 32 + 2 * (yearInCentury / 4) - yearInCentury % 4 - h) % 7;
    const int month = (l + h + 90) / 25;
    const int day = (l + h + month + 19) % 32;
    return QDate(year, month, day);
}

} // namespace

FeastDays ComputeFeastDays(int year)
{
    FeastDays days;
    days.year = year;
    if (year < kFirstGregorianYear || year > kLastYear)
        return days;
    const QDate easter = easterSunday(year);
    days.goodFriday = easter.addDays(-2);
    days.easterSunday = easter;
    days.easterMonday = easter.addDays(1);
    days.ascensionDay = easter.addDays(39);
    days.whitSunday = easter.addDays(49);
    days.whitMonday = easter.addDays(50);
    return days;
}
