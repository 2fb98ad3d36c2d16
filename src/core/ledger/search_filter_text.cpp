#include "core/ledger/search_filter_text.h"

namespace {

const QString likeOperator = QStringLiteral("LIKE");
const QString likePairOpener = QStringLiteral("LIKE OR");
const QString equalPairOpener = QStringLiteral("= OR");

bool isPairOpener(const QString& op)
{
    return op == likePairOpener || op == equalPairOpener;
}

QString plainOperator(const QString& op)
{
    if (op == likePairOpener)
        return likeOperator;
    if (op == equalPairOpener)
        return QStringLiteral("=");
    return op;
}

QString quotedPattern(const QString& value)
{
    QString pattern = QStringLiteral("%") + value + QStringLiteral("%");
    pattern.replace(QChar('\''), QStringLiteral("''"));
    return QStringLiteral("'") + pattern + QStringLiteral("'");
}

// The opening of one condition, without its closing parenthesis.
QString openCondition(const QString& field, const QString& op, const QString& value)
{
    if (value.isEmpty())
        return QStringLiteral("( %1 = NULL OR %1 <> NULL").arg(field);
    const QString operand = op == likeOperator ? quotedPattern(value) : value;
    return QStringLiteral("( ") + field + QChar(' ') + op + QChar(' ') + operand;
}

} // namespace

QString buildSearchFilterText(int count, const QStringList& fields, const QStringList& values,
                              const QStringList& operators)
{
    const int used = qMin(count, int(fields.size()));
    QString text;
    bool pairOpen = false;
    for (int i = 0; i < used; ++i) {
        const bool last = i == used - 1;
        const QString typedOperator = operators.value(i, likeOperator);
        const QString op = plainOperator(typedOperator);
        const QString value = values.value(i);
        const QString condition = openCondition(fields.at(i), op, value);
        if (isPairOpener(typedOperator) && !last) {
            text +=
                (pairOpen ? QString() : QStringLiteral("(")) + condition + QStringLiteral(" ) OR ");
            pairOpen = true;
            continue;
        }
        text += condition + (pairOpen ? QStringLiteral(" ))") : QStringLiteral(" )"));
        if (!last)
            text += QStringLiteral(" AND ");
        else if (!pairOpen && op == likeOperator && value.isEmpty())
            text += QChar(' '); // the known text of an empty last LIKE box ends in a blank
        pairOpen = false;
    }
    return text;
}
