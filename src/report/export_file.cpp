#include "report/export_file.h"

#include <QSaveFile>

bool ExportFile::write(const QString& fileName, const QByteArray& contents, QString* error)
{
    QSaveFile file(fileName);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit();
    if (!written && error)
        *error = QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(fileName);
    return written;
}
