#include "core/data/data_module.h"

#include "core/data/administration_file.h"
#include "core/data/schema.h"

DataModule::DataModule(QObject* parent)
    : QObject(parent), Database1(QStringLiteral("fondirex")),
      ledentabel(&Database1, Schema::leden()), rekeningtabel(&Database1, Schema::rekeningen()),
      journaaltabel(&Database1, Schema::journaal()),
      ontvangentabel(&Database1, Schema::teontvangen()),
      betalentabel(&Database1, Schema::tebetalen()), mailtjestabel(&Database1, Schema::mailtjes()),
      hulpT(&Database1, Schema::hulp()), begrotingtabel(&Database1, Schema::begroting())
{
    ledentabel.selectIndex(QStringLiteral("NAAM"));
    ledentabel.setCaseInsensitiveFilter(true);
    rekeningtabel.selectIndex(QStringLiteral("NUMMER"));
    journaaltabel.selectIndex(QStringLiteral("JRN"));
    journaaltabel.setCaseInsensitiveFilter(true);
    journaaltabel.setFiltered(true);
    journaaltabel.setBeforeOpen([this](Table& t) { journaaltabelBeforeOpen(t); });
    for (Table* t : {&ontvangentabel, &betalentabel, &mailtjestabel, &hulpT, &begrotingtabel})
        t->setCaseInsensitiveFilter(true);
}

DataModule::~DataModule()
{
    CloseAllTables();
}

QList<Table*> DataModule::tables()
{
    return {&ledentabel,     &rekeningtabel, &journaaltabel, &ontvangentabel,
            &begrotingtabel, &betalentabel,  &mailtjestabel, &hulpT};
}

QString DataModule::administrationFile(const QString& driveText, int administration)
{
    const QString dir = administration <= 0 || administration > 4
                            ? QStringLiteral("/fondirex")
                            : QStringLiteral("/fondirex0%1").arg(administration);
    return driveText + dir + QStringLiteral("/fondirex.abs");
}

void DataModule::SelectAdministration(const QString& driveText, int administration)
{
    m_administration = administration;
    Database1.setFileName(administrationFile(driveText, administration));
}

QString DataModule::OpenAllTables()
{
    if (!Database1.isConnected()) {
        QString error;
        if (!Database1.exists()) {
            error = AdministrationFile::create(Database1.fileName());
            if (!error.isEmpty())
                return error;
        }
        error = AdministrationFile::check(Database1.fileName());
        if (!error.isEmpty())
            return error;
        if (!Database1.connect(&error))
            return error;
        // Write-ahead logging with full sync: a committed posting survives a crash or power
        // cut, and an interrupted one leaves no trace.
        Database1.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        Database1.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    }
    for (Table* t : tables()) {
        if (!t->open()) {
            const QString error = t->lastError();
            CloseAllTables();
            return error;
        }
    }
    return QString();
}

void DataModule::CloseAllTables()
{
    for (Table* t : tables())
        t->close();
    Database1.disconnect();
}

bool DataModule::allTablesOpen() const
{
    for (Table* t : const_cast<DataModule*>(this)->tables())
        if (!t->isActive())
            return false;
    return true;
}

void DataModule::journaaltabelBeforeOpen(Table& table)
{
    if (table.selectedIndex() == QStringLiteral("JRN"))
        return;
    // An index that is there already only needs selecting.
    if (!table.indexExists(QStringLiteral("JRN")))
        table.addIndex({QStringLiteral("JRN"), QStringLiteral("JrNr"), false});
    table.selectIndex(QStringLiteral("JRN"));
}
