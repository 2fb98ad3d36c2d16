#pragma once

#include <QDate>

// The Easter-based holidays of one year, shown in the main window.
struct FeastDays
{
    int year = 0;
    QDate goodFriday;
    QDate easterSunday;
    QDate easterMonday;
    QDate ascensionDay;
    QDate whitSunday;
    QDate whitMonday;
};

// Gregorian Easter and the holidays that hang on it. The integer formula holds from 1583, the
// first full Gregorian year, to 9999; for other years every date is invalid (QDate()).
FeastDays ComputeFeastDays(int year);
