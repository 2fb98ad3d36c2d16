#include "core/store/sql_functions.h"

#include "core/amount_format.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <cmath>
#include <sqlite3.h>

namespace {

void resultText(sqlite3_context* context, const QByteArray& utf8)
{
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void resultEmptyText(sqlite3_context* context)
{
    sqlite3_result_text(context, "", 0, SQLITE_STATIC);
}

QByteArray argumentText(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QByteArray(text, sqlite3_value_bytes(value));
}

bool isAscii(const QByteArray& utf8)
{
    for (const char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Most texts are plain ASCII; folding them without a round trip through QString keeps a
// filter over a large table cheap.
QByteArray foldedText(const QByteArray& utf8)
{
    if (isAscii(utf8))
        return utf8.toLower();
    return QString::fromUtf8(utf8).toCaseFolded().toUtf8();
}

void foldFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    resultText(context, foldedText(argumentText(argv[0])));
}

// Returns true when the value is a number; an empty or NULL value gives an empty text and
// any other text is shown as it is, the way a grid would show it.
bool numericArgument(sqlite3_context* context, sqlite3_value* value, double* number)
{
    const int type = sqlite3_value_type(value);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        *number = sqlite3_value_double(value);
        return true;
    }
    if (type == SQLITE_NULL)
        resultEmptyText(context);
    else
        resultText(context, argumentText(value));
    return false;
}

void amountFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    double number = 0.0;
    if (numericArgument(context, argv[0], &number))
        resultText(context, AmountFormat::format(number).toUtf8());
}

QString plainNumberText(double number)
{
    if (std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 1e15)
        return QString::number(static_cast<qint64>(number));
    QString text = QString::number(number, 'f', QLocale::FloatingPointShortest);
    text.replace(QChar('.'), AmountFormat::decimalSeparator());
    return text;
}

void numberFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    double number = 0.0;
    if (numericArgument(context, argv[0], &number))
        resultText(context, plainNumberText(number).toUtf8());
}

bool isIsoDate(const QByteArray& text)
{
    if (text.size() < 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (const int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

void dateFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        resultEmptyText(context);
        return;
    }
    const QByteArray iso = argumentText(argv[0]);
    if (!isIsoDate(iso)) {
        resultText(context, iso);
        return;
    }
    resultText(context, iso.mid(8, 2) + '-' + iso.mid(5, 2) + '-' + iso.left(4));
}

using ScalarFunction = void (*)(sqlite3_context*, int, sqlite3_value**);

bool registerFunction(sqlite3* db, const char* name, ScalarFunction function, bool deterministic)
{
    int flags = SQLITE_UTF8 | SQLITE_INNOCUOUS;
    if (deterministic)
        flags |= SQLITE_DETERMINISTIC;
    return sqlite3_create_function_v2(db, name, 1, flags, nullptr, function, nullptr, nullptr,
                                      nullptr) == SQLITE_OK;
}

} // namespace

bool registerSqlFunctions(sqlite3* db)
{
    // The amount and number texts follow the separators in force when the statement runs,
    // so SQLite must not treat them as constant.
    return registerFunction(db, SqlFunctions::fold, foldFunction, true) &&
           registerFunction(db, SqlFunctions::date, dateFunction, true) &&
           registerFunction(db, SqlFunctions::amount, amountFunction, false) &&
           registerFunction(db, SqlFunctions::number, numberFunction, false);
}
