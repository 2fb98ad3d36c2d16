#pragma once

#include <QObject>
#include <QString>

#include "core/store/database.h"
#include "core/store/table.h"

// Owns the connection to the current administration's database and the eight shared
// tables. Every window and report works on these same objects, so the current record, the
// filter and the edit state of a table are shared by all of them.
class DataModule : public QObject
{
    Q_OBJECT
public:
    explicit DataModule(QObject* parent = nullptr);
    ~DataModule() override;

    Database Database1;
    Table ledentabel;
    Table rekeningtabel;
    Table journaaltabel;
    Table ontvangentabel;
    Table betalentabel;
    Table mailtjestabel;
    Table hulpT;
    Table begrotingtabel;

    // The database file of administration 0..4 below the drive text.
    static QString administrationFile(const QString& driveText, int administration);
    // Points the database at that administration's file; a connected database is
    // disconnected (its tables closed) first, unless the name stays the same.
    void SelectAdministration(const QString& driveText, int administration);
    int administration() const { return m_administration; }

    // Connects and opens the tables in their fixed order. A missing file is created with the
    // whole chart; a file that is no administration is refused and left as it was. Returns
    // an empty text or the Dutch message.
    QString OpenAllTables();
    void CloseAllTables();
    bool allTablesOpen() const;

    // The tables in the order they are opened and closed.
    QList<Table*> tables();

private:
    void journaaltabelBeforeOpen(Table& table);
    int m_administration = 0;
};
