#include "core/store/filter_parser.h"

#include "core/amount_format.h"

#include <QDate>

namespace {

using Kind = FilterToken::Kind;
using Operator = FilterCondition::Operator;

// Deep enough for any filter a person writes, shallow enough that neither this recursive
// parser nor SQLite's expression depth limit is ever at risk.
constexpr int maxNesting = 50;
constexpr int maxConditions = 200;

Operator comparisonOperator(const QString& text)
{
    if (text == QLatin1String("<>"))
        return Operator::NotEqual;
    if (text == QLatin1String(">="))
        return Operator::GreaterOrEqual;
    if (text == QLatin1String("<="))
        return Operator::LessOrEqual;
    if (text == QLatin1String("<"))
        return Operator::Less;
    if (text == QLatin1String(">"))
        return Operator::Greater;
    return Operator::Equal;
}

QString tokenDescription(const FilterToken& token)
{
    if (token.kind == Kind::Text)
        return QStringLiteral("'%1'").arg(token.text);
    return token.text;
}

QDate parseFilterDate(const QString& text)
{
    for (const char* format : {"d-M-yyyy", "yyyy-M-d"}) {
        const QDate date = QDate::fromString(text, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return {};
}

void appendChild(FilterNode* parent, FilterNode&& child, FilterNode::Kind kind)
{
    if (parent->kind != kind) {
        FilterNode first = std::move(*parent);
        *parent = FilterNode();
        parent->kind = kind;
        parent->children.push_back(std::move(first));
    }
    parent->children.push_back(std::move(child));
}

} // namespace

FilterParser::FilterParser(const QList<FilterToken>& tokens, const TableSchema& schema)
    : m_tokens(tokens), m_schema(schema)
{
}

bool FilterParser::parse(FilterNode* root, QString* error)
{
    m_pos = 0;
    m_conditionCount = 0;
    const bool ok = parseOr(root, 0) && (peek().kind == Kind::End || failUnexpected(peek()));
    if (!ok)
        *error = m_error;
    return ok;
}

bool FilterParser::fail(const QString& message)
{
    m_error = QStringLiteral("Ongeldig filter: ") + message;
    return false;
}

bool FilterParser::failUnexpected(const FilterToken& token)
{
    if (token.kind == Kind::End)
        return fail(QStringLiteral("de tekst houdt onverwacht op"));
    return fail(QStringLiteral("onverwacht \"%1\" op positie %2")
                    .arg(tokenDescription(token), QString::number(token.position)));
}

bool FilterParser::parseOr(FilterNode* node, int depth)
{
    if (!parseAnd(node, depth))
        return false;
    while (peek().kind == Kind::Or) {
        take();
        FilterNode right;
        if (!parseAnd(&right, depth))
            return false;
        appendChild(node, std::move(right), FilterNode::Kind::Or);
    }
    return true;
}

bool FilterParser::parseAnd(FilterNode* node, int depth)
{
    if (!parsePrimary(node, depth))
        return false;
    while (peek().kind == Kind::And) {
        take();
        FilterNode right;
        if (!parsePrimary(&right, depth))
            return false;
        appendChild(node, std::move(right), FilterNode::Kind::And);
    }
    return true;
}

bool FilterParser::parsePrimary(FilterNode* node, int depth)
{
    if (peek().kind == Kind::LeftParen)
        return parseParenthesized(node, depth + 1);
    return parseCondition(node);
}

bool FilterParser::parseParenthesized(FilterNode* node, int depth)
{
    if (depth > maxNesting)
        return fail(QStringLiteral("de haakjes zijn te diep genest"));
    take();
    if (!parseOr(node, depth))
        return false;
    if (peek().kind == Kind::RightParen) {
        take();
        return true;
    }
    if (peek().kind == Kind::End)
        return fail(QStringLiteral("er ontbreekt een \")\""));
    return fail(QStringLiteral("\")\" verwacht op positie %1 in plaats van \"%2\"")
                    .arg(QString::number(peek().position), tokenDescription(peek())));
}

bool FilterParser::parseCondition(FilterNode* node)
{
    const FilterToken& name = peek();
    if (name.kind != Kind::Field) {
        if (name.kind == Kind::End)
            return fail(QStringLiteral("de tekst houdt op waar een veldnaam verwacht wordt"));
        return fail(QStringLiteral("veldnaam verwacht op positie %1 in plaats van \"%2\"")
                        .arg(QString::number(name.position), tokenDescription(name)));
    }
    const FieldDef* field = m_schema.field(name.text);
    if (!field)
        return fail(QStringLiteral("onbekend veld \"%1\"").arg(name.text));
    if (++m_conditionCount > maxConditions)
        return fail(QStringLiteral("meer dan %1 voorwaarden").arg(maxConditions));
    take();

    node->kind = FilterNode::Kind::Condition;
    node->condition.fieldIndex = m_schema.fieldIndex(name.text);
    if (peek().kind == Kind::Like)
        return parseLike(*field, &node->condition);
    if (peek().kind == Kind::Comparison)
        return parseComparison(*field, &node->condition);
    return fail(QStringLiteral("na veld %1 wordt LIKE, =, <>, >= of <= verwacht").arg(field->name));
}

bool FilterParser::parseLike(const FieldDef& field, FilterCondition* condition)
{
    take();
    if (field.type == FieldType::Boolean)
        return fail(
            QStringLiteral("LIKE kan niet gebruikt worden bij het ja/nee-veld %1").arg(field.name));
    const FilterToken& pattern = take();
    if (pattern.kind != Kind::Text)
        return fail(QStringLiteral("na LIKE wordt een tekst tussen aanhalingstekens verwacht "
                                   "bij veld %1")
                        .arg(field.name));
    condition->op = Operator::Like;
    condition->value = pattern.text;
    return true;
}

bool FilterParser::parseComparison(const FieldDef& field, FilterCondition* condition)
{
    const FilterToken comparison = take();
    const FilterToken& operand = take();
    if (operand.kind == Kind::Null)
        return convertNullComparison(comparison, field, condition);
    condition->op = comparisonOperator(comparison.text);
    return convertValue(comparison, operand, field, condition);
}

bool FilterParser::convertNullComparison(const FilterToken& comparison, const FieldDef& field,
                                         FilterCondition* condition)
{
    const Operator op = comparisonOperator(comparison.text);
    if (op != Operator::Equal && op != Operator::NotEqual)
        return fail(QStringLiteral("NULL kan alleen met \"=\" of \"<>\" vergeleken worden "
                                   "(veld %1)")
                        .arg(field.name));
    condition->op = op == Operator::Equal ? Operator::IsEmpty : Operator::IsNotEmpty;
    return true;
}

bool FilterParser::convertValue(const FilterToken& comparison, const FilterToken& operand,
                                const FieldDef& field, FilterCondition* condition)
{
    QString expected;
    switch (field.type) {
    case FieldType::Float:
        if (convertNumber(operand, condition))
            return true;
        expected = QStringLiteral("een getal");
        break;
    case FieldType::Date:
        if (convertDate(operand, condition))
            return true;
        expected = QStringLiteral("een datum tussen aanhalingstekens (dd-mm-jjjj)");
        break;
    case FieldType::Boolean:
        if (condition->op != Operator::Equal && condition->op != Operator::NotEqual)
            return fail(QStringLiteral("het ja/nee-veld %1 kan alleen met \"=\" of \"<>\" "
                                       "vergeleken worden")
                            .arg(field.name));
        if (convertBoolean(operand, condition))
            return true;
        expected = QStringLiteral("TRUE of FALSE");
        break;
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::Lookup:
        if (convertText(operand, condition))
            return true;
        expected = QStringLiteral("een tekst tussen aanhalingstekens");
        break;
    }
    return fail(QStringLiteral("na \"%1\" wordt %2 verwacht bij veld %3")
                    .arg(comparison.text, expected, field.name));
}

// A bare number is written the way the filter language writes it, with a decimal point; a
// quoted number is read the way the user types amounts, under the separators in force.
bool FilterParser::convertNumber(const FilterToken& operand, FilterCondition* condition) const
{
    bool ok = false;
    double number = 0.0;
    if (operand.kind == Kind::Number)
        number = operand.text.toDouble(&ok);
    else if (operand.kind == Kind::Text)
        number = AmountFormat::parse(operand.text, &ok);
    if (ok)
        condition->value = number;
    return ok;
}

bool FilterParser::convertDate(const FilterToken& operand, FilterCondition* condition) const
{
    if (operand.kind != Kind::Text)
        return false;
    const QDate date = parseFilterDate(operand.text.trimmed());
    if (!date.isValid())
        return false;
    condition->value = date.toString(Qt::ISODate);
    return true;
}

bool FilterParser::convertBoolean(const FilterToken& operand, FilterCondition* condition) const
{
    if (operand.kind != Kind::True && operand.kind != Kind::False)
        return false;
    condition->value = qlonglong(operand.kind == Kind::True ? 1 : 0);
    return true;
}

// A bare number against a text field compares with the digits as typed ("Pcode = 1234").
bool FilterParser::convertText(const FilterToken& operand, FilterCondition* condition) const
{
    if (operand.kind != Kind::Text && operand.kind != Kind::Number)
        return false;
    condition->value = operand.text;
    return true;
}
