#pragma once

#include <QTemporaryDir>
#include <QTest>

#include "core/data/data_module.h"
#include "core/ledger/ledger.h"

// A fresh administration in a temporary directory, opened with all eight tables; removed
// again when the fixture goes out of scope.
struct TempAdministration
{
    QTemporaryDir dir;
    DataModule data;
    Ledger ledger{data};

    TempAdministration()
    {
        data.SelectAdministration(dir.path(), 0);
        const QString error = data.OpenAllTables();
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
    }
    QString fileName() const { return data.Database1.fileName(); }
};
