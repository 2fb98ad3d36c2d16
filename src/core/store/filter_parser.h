#pragma once

#include "core/store/field_def.h"
#include "core/store/filter_node.h"
#include "core/store/filter_token.h"

#include <QList>
#include <QString>

// Builds the expression tree of a tokenized filter text and checks every condition against
// the table's fields: the field must exist and the value must suit its type. AND binds
// tighter than OR.
class FilterParser
{
public:
    FilterParser(const QList<FilterToken>& tokens, const TableSchema& schema);

    // False with a Dutch message when the text is not a complete, valid filter.
    bool parse(FilterNode* root, QString* error);

private:
    bool parseOr(FilterNode* node, int depth);
    bool parseAnd(FilterNode* node, int depth);
    bool parsePrimary(FilterNode* node, int depth);
    bool parseParenthesized(FilterNode* node, int depth);
    bool parseCondition(FilterNode* node);
    bool parseLike(const FieldDef& field, FilterCondition* condition);
    bool parseComparison(const FieldDef& field, FilterCondition* condition);
    bool convertNullComparison(const FilterToken& comparison, const FieldDef& field,
                               FilterCondition* condition);
    bool convertValue(const FilterToken& comparison, const FilterToken& operand,
                      const FieldDef& field, FilterCondition* condition);
    bool convertNumber(const FilterToken& operand, FilterCondition* condition) const;
    bool convertDate(const FilterToken& operand, FilterCondition* condition) const;
    bool convertBoolean(const FilterToken& operand, FilterCondition* condition) const;
    bool convertText(const FilterToken& operand, FilterCondition* condition) const;

    const FilterToken& peek() const { return m_tokens.at(m_pos); }
    const FilterToken& take()
    {
        const FilterToken& token = m_tokens.at(m_pos);
        if (token.kind != FilterToken::Kind::End)
            ++m_pos;
        return token;
    }
    bool fail(const QString& message);
    bool failUnexpected(const FilterToken& token);

    QList<FilterToken> m_tokens;
    const TableSchema& m_schema;
    qsizetype m_pos = 0;
    int m_conditionCount = 0;
    QString m_error;
};
