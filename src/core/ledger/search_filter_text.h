#pragma once

#include <QString>
#include <QStringList>

// The filter text behind a row of search boxes: one condition per box, joined by AND, for
// positions 0 … count-1 of the three lists. An empty box gives "F = NULL OR F <> NULL",
// which every record meets. A LIKE value is matched anywhere in the field and quoted; any
// other operator's value is inserted as typed. The pair openers "LIKE OR" and "= OR" join
// their condition with the next one by OR inside one more pair of parentheses; an opener
// with an empty box opens the pair with the always-true condition, an opener right after
// another one joins the same pair, and an opener in the last position acts as plain LIKE or
// "=", so the text always stays balanced. Positions beyond the end of `values` or
// `operators` count as empty and LIKE; `count` is limited to the number of fields.
QString buildSearchFilterText(int count, const QStringList& fields, const QStringList& values,
                              const QStringList& operators);
