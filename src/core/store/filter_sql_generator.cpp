#include "core/store/filter_sql_generator.h"

#include "core/store/sql_functions.h"

#include <QStringList>

namespace {

using Operator = FilterCondition::Operator;

QString comparisonText(Operator op)
{
    switch (op) {
    case Operator::Equal:
        return QStringLiteral("=");
    case Operator::NotEqual:
        return QStringLiteral("<>");
    case Operator::Less:
        return QStringLiteral("<");
    case Operator::LessOrEqual:
        return QStringLiteral("<=");
    case Operator::Greater:
        return QStringLiteral(">");
    case Operator::GreaterOrEqual:
        return QStringLiteral(">=");
    case Operator::Like:
    case Operator::IsEmpty:
    case Operator::IsNotEmpty:
        break;
    }
    return QStringLiteral("=");
}

bool isTextual(FieldType type)
{
    return type == FieldType::Text || type == FieldType::Memo || type == FieldType::Lookup;
}

// The filter language knows only "%" as a wildcard, so SQLite's own "_" and the escape
// character itself must match literally.
QString likePattern(const QString& pattern)
{
    QString escaped;
    escaped.reserve(pattern.size() + 8);
    for (const QChar c : pattern) {
        if (c == QChar('\\') || c == QChar('_'))
            escaped += QChar('\\');
        escaped += c;
    }
    return escaped;
}

// GLOB compares case-sensitively; its own wildcards are made literal by putting them in a
// one-character set.
QString globPattern(const QString& pattern)
{
    QString glob;
    glob.reserve(pattern.size() + 8);
    for (const QChar c : pattern) {
        if (c == QChar('%'))
            glob += QChar('*');
        else if (c == QChar('*') || c == QChar('?') || c == QChar('['))
            glob += QStringLiteral("[") + c + QStringLiteral("]");
        else
            glob += c;
    }
    return glob;
}

} // namespace

FilterSqlGenerator::FilterSqlGenerator(const TableSchema& schema, bool caseInsensitive)
    : m_schema(schema), m_caseInsensitive(caseInsensitive)
{
}

QString FilterSqlGenerator::generate(const FilterNode& node, QVariantList* params) const
{
    // Empty search boxes write "F = NULL OR F <> NULL"; dropping these conditions that hold
    // for every row keeps a search over a long journal fast.
    if (alwaysTrue(node))
        return QStringLiteral("1");
    if (node.kind == FilterNode::Kind::Condition)
        return conditionSql(node.condition, params);
    QStringList parts;
    for (const FilterNode& child : node.children)
        if (node.kind == FilterNode::Kind::Or || !alwaysTrue(child))
            parts << QStringLiteral("(%1)").arg(generate(child, params));
    const QString joiner =
        node.kind == FilterNode::Kind::And ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
    return parts.join(joiner);
}

bool FilterSqlGenerator::alwaysTrue(const FilterNode& node)
{
    switch (node.kind) {
    case FilterNode::Kind::Condition:
        return false;
    case FilterNode::Kind::And:
        for (const FilterNode& child : node.children)
            if (!alwaysTrue(child))
                return false;
        return true;
    case FilterNode::Kind::Or:
        break;
    }
    for (const FilterNode& child : node.children)
        if (alwaysTrue(child))
            return true;
    for (const FilterNode& a : node.children)
        for (const FilterNode& b : node.children)
            if (a.kind == FilterNode::Kind::Condition && b.kind == FilterNode::Kind::Condition &&
                a.condition.fieldIndex == b.condition.fieldIndex &&
                a.condition.op == Operator::IsEmpty && b.condition.op == Operator::IsNotEmpty)
                return true;
    return false;
}

QString FilterSqlGenerator::conditionSql(const FilterCondition& condition,
                                         QVariantList* params) const
{
    const FieldDef& field = m_schema.fields.at(condition.fieldIndex);
    switch (condition.op) {
    case Operator::IsEmpty:
        return emptinessSql(field, true);
    case Operator::IsNotEmpty:
        return emptinessSql(field, false);
    case Operator::Like:
        return likeSql(field, condition.value.toString(), params);
    default:
        return comparisonSql(field, condition, params);
    }
}

// An empty text is stored as '' but means the same as no value, so "= NULL" finds both;
// "= NULL" and "<> NULL" are exact opposites and never unknown, which is what lets the
// search boxes write "F = NULL OR F <> NULL" for "anything".
QString FilterSqlGenerator::emptinessSql(const FieldDef& field, bool empty) const
{
    const QString value = m_schema.sqlExpression(field);
    if (field.type == FieldType::Float || field.type == FieldType::Boolean)
        return QStringLiteral("%1 %2").arg(value, empty ? QStringLiteral("IS NULL")
                                                        : QStringLiteral("IS NOT NULL"));
    return QStringLiteral("COALESCE(%1, '') %2 ''")
        .arg(value, empty ? QStringLiteral("=") : QStringLiteral("<>"));
}

namespace {
bool isAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}
} // namespace

QString FilterSqlGenerator::likeSql(const FieldDef& field, const QString& pattern,
                                    QVariantList* params) const
{
    if (!m_caseInsensitive) {
        params->append(globPattern(pattern));
        return QStringLiteral("%1 GLOB ?").arg(displayTextSql(field));
    }
    // Dates and numbers show no letters, so only texts need folding.
    if (!isTextual(field.type)) {
        params->append(likePattern(pattern));
        return QStringLiteral("%1 LIKE ? ESCAPE '\\'").arg(displayTextSql(field));
    }
    const QString folded = pattern.toCaseFolded();
    const QString text = displayTextSql(field);
    if (!isAscii(folded)) {
        params->append(likePattern(folded));
        return QStringLiteral("%1 LIKE ? ESCAPE '\\'").arg(foldedTextSql(text));
    }
    // SQLite's own LIKE already ignores ASCII case, and an ASCII pattern can only meet
    // non-ASCII letters through "%". The two characters whose folding is ASCII, the long s
    // (to "s") and the Kelvin sign (to "k"), are the only ones that need the slow fold, and
    // only when the pattern holds that letter; instr finds them fast.
    params->append(likePattern(folded));
    QStringList exotic;
    if (folded.contains(QLatin1Char('s')))
        exotic << QStringLiteral("instr(%1, char(383))").arg(text);
    if (folded.contains(QLatin1Char('k')))
        exotic << QStringLiteral("instr(%1, char(8490))").arg(text);
    if (exotic.isEmpty())
        return QStringLiteral("%1 LIKE ? ESCAPE '\\'").arg(text);
    params->append(likePattern(folded));
    return QStringLiteral("(%1 LIKE ? ESCAPE '\\' OR ((%2) AND %3 LIKE ? ESCAPE '\\'))")
        .arg(text, exotic.join(QStringLiteral(" OR ")), foldedTextSql(text));
}

QString FilterSqlGenerator::comparisonSql(const FieldDef& field, const FilterCondition& condition,
                                          QVariantList* params) const
{
    QVariant value = condition.value;
    QString left = comparedValueSql(field);
    if (isTextual(field.type) && m_caseInsensitive) {
        left = foldedTextSql(left);
        value = value.toString().toCaseFolded();
    }
    params->append(value);
    return QStringLiteral("%1 %2 ?").arg(left, comparisonText(condition.op));
}

// What LIKE matches against: the text the grid shows for the field.
QString FilterSqlGenerator::displayTextSql(const FieldDef& field) const
{
    const QString value = m_schema.sqlExpression(field);
    switch (field.type) {
    case FieldType::Date:
        return QStringLiteral("%1(%2)").arg(QLatin1String(SqlFunctions::date), value);
    case FieldType::Float:
        return QStringLiteral("%1(%2)").arg(
            QLatin1String(field.amountFormat ? SqlFunctions::amount : SqlFunctions::number), value);
    default:
        return QStringLiteral("COALESCE(%1, '')").arg(value);
    }
}

// What "=", "<", ... compare with. An empty date must not sort before every real date.
QString FilterSqlGenerator::comparedValueSql(const FieldDef& field) const
{
    const QString value = m_schema.sqlExpression(field);
    switch (field.type) {
    case FieldType::Date:
        return QStringLiteral("NULLIF(%1, '')").arg(value);
    case FieldType::Boolean:
        return QStringLiteral("COALESCE(%1, 0)").arg(value);
    case FieldType::Float:
        return value;
    default:
        return QStringLiteral("COALESCE(%1, '')").arg(value);
    }
}

QString FilterSqlGenerator::foldedTextSql(const QString& textSql) const
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(SqlFunctions::fold), textSql);
}
