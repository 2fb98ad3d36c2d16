#include "core/store/filter_compiler.h"

#include "core/store/filter_lexer.h"
#include "core/store/filter_parser.h"
#include "core/store/filter_sql_generator.h"

FilterCompileResult compileFilter(const QString& text, const TableSchema& schema,
                                  bool caseInsensitive)
{
    FilterCompileResult result;
    if (text.trimmed().isEmpty()) {
        result.ok = true;
        return result;
    }
    QList<FilterToken> tokens;
    if (!FilterLexer(text).tokenize(&tokens, &result.error))
        return result;
    FilterNode root;
    if (!FilterParser(tokens, schema).parse(&root, &result.error))
        return result;
    result.whereSql = FilterSqlGenerator(schema, caseInsensitive).generate(root, &result.params);
    result.ok = true;
    return result;
}
