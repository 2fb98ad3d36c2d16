#include "core/store/filter_param_binding.h"

#include <QByteArray>
#include <sqlite3.h>

namespace {

int bindOne(sqlite3_stmt* statement, int index, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
        return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Bool:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()),
                                 SQLITE_TRANSIENT);
    }
    }
}

} // namespace

bool bindFilterParams(sqlite3_stmt* statement, const QVariantList& params, int firstIndex)
{
    for (int i = 0; i < params.size(); ++i)
        if (bindOne(statement, firstIndex + i, params.at(i)) != SQLITE_OK)
            return false;
    return true;
}
