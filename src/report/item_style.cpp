#include "report/item_style.h"

QFont ItemStyle::defaultFont(double pointSize, bool bold)
{
    // Arial is what the printed documents always used; fontconfig substitutes a
    // metric-compatible face where it is not installed.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
