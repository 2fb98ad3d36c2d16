#pragma once

#include "core/store/field_def.h"
#include "core/store/filter_node.h"

#include <QString>
#include <QVariantList>

// Turns a parsed filter into an SQL condition with '?' placeholders; the values go into the
// parameter list in placeholder order and are never written into the SQL text.
class FilterSqlGenerator
{
public:
    FilterSqlGenerator(const TableSchema& schema, bool caseInsensitive);

    QString generate(const FilterNode& node, QVariantList* params) const;

private:
    static bool alwaysTrue(const FilterNode& node);
    QString conditionSql(const FilterCondition& condition, QVariantList* params) const;
    QString emptinessSql(const FieldDef& field, bool empty) const;
    QString likeSql(const FieldDef& field, const QString& pattern, QVariantList* params) const;
    QString comparisonSql(const FieldDef& field, const FilterCondition& condition,
                          QVariantList* params) const;
    QString displayTextSql(const FieldDef& field) const;
    QString comparedValueSql(const FieldDef& field) const;
    QString foldedTextSql(const QString& textSql) const;

    const TableSchema& m_schema;
    bool m_caseInsensitive;
};
