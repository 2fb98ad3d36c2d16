#include "core/data/administration_file.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

#include "core/data/schema.h"
#include "core/ledger/chart_of_accounts.h"
#include "core/store/database.h"
#include "core/store/statement.h"
#include "core/store/table_sql.h"

namespace AdministrationFile {

QString create(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("De map %1 kan niet worden aangemaakt.").arg(info.absolutePath());
    // Build under a temporary name and rename, so a crash halfway never leaves a file that
    // looks like an administration but lacks tables or accounts.
    const QString building = fileName + QStringLiteral(".nieuw");
    QFile::remove(building);
    QString error;
    {
        Database db(QStringLiteral("nieuw"));
        db.setFileName(building);
        if (!db.create(&error) || !db.connect(&error))
            return error;
        if (!db.begin(&error))
            return error;
        bool ok = true;
        for (const TableSchema& schema : Schema::all())
            ok = ok && db.exec(TableSql::createStatements(schema, schema.name), &error);
        if (ok) {
            Statement insert(db.handle(),
                             QStringLiteral("INSERT INTO rekeningen (Nummer, Naam, saldo, "
                                            "Altijdtonen) VALUES (?, ?, 0.0, 0)"));
            for (int account : ChartOfAccounts::allAccounts()) {
                insert.reset();
                insert.bind(1, double(account));
                insert.bind(2, ChartOfAccounts::defaultName(account));
                ok = ok && insert.run();
            }
            if (!ok && error.isEmpty())
                error = insert.error();
        }
        if (ok)
            ok = db.commit(&error);
        else
            db.rollback();
        db.disconnect();
        if (!ok) {
            QFile::remove(building);
            return QStringLiteral("De administratie %1 kan niet worden aangemaakt: %2")
                .arg(fileName, error);
        }
    }
    if (!QFile::rename(building, fileName)) {
        QFile::remove(building);
        return QStringLiteral("De administratie %1 kan niet worden aangemaakt.").arg(fileName);
    }
    return QString();
}

QString check(const QString& fileName)
{
    sqlite3* handle = nullptr;
    // Read-only, so a foreign file is never touched, not even its header.
    if (sqlite3_open_v2(fileName.toUtf8().constData(), &handle, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(handle);
        return QStringLiteral("Het bestand %1 kan niet worden geopend.").arg(fileName);
    }
    QString message;
    {
        Statement st(handle, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        QStringList present;
        while (st.step())
            present << st.column(0).toString();
        if (!st.ok() || !st.isValid()) {
            message =
                QStringLiteral("Het bestand %1 is geen database van dit programma.").arg(fileName);
        } else {
            QStringList missing;
            for (const QString& name : Schema::tableNames())
                if (!present.contains(name))
                    missing << name;
            if (!missing.isEmpty())
                message = QStringLiteral("Het bestand %1 is geen volledige administratie: de "
                                         "tabel(len) %2 ontbreken.")
                              .arg(fileName, missing.join(QStringLiteral(", ")));
        }
    }
    sqlite3_close(handle);
    return message;
}

} // namespace AdministrationFile
