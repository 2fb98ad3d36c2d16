#pragma once

#include <QString>

// Writes administration 0 below `drive` with `journalLines` journal lines booked the way
// the entry windows book them, balances and group totals to match, a few hundred members
// and some open items. Returns an empty text or the error.
QString generateAdministration(const QString& drive, int journalLines, int members = 300);
