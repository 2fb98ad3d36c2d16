#include "core/settings/location_record.h"

#include "core/settings/record_buffer.h"

#include <QDir>

namespace {
constexpr int kDriveOffset = 0;
constexpr int kDirectoryOffset = 151;
constexpr int kAdministrations = 5;
} // namespace

LocationRecord LocationRecord::defaults()
{
    // A home directory of "/" would make the data directory "//fondirex".
    const QString home = QDir::homePath();
    return {home == QStringLiteral("/") ? QString() : home, directoryTextFor(0)};
}

QByteArray LocationRecord::toBytes() const
{
    RecordBuffer buffer(Size);
    buffer.putText(kDriveOffset, TextCapacity, DriveText);
    buffer.putText(kDirectoryOffset, TextCapacity, DirectoryText);
    return buffer.bytes();
}

LocationRecord LocationRecord::fromBytes(const QByteArray& bytes)
{
    const RecordBuffer buffer(bytes, Size);
    return {buffer.text(kDriveOffset, TextCapacity), buffer.text(kDirectoryOffset, TextCapacity)};
}

QString LocationRecord::directoryTextFor(int administration)
{
    if (administration <= 0 || administration >= kAdministrations)
        return QStringLiteral("/fondirex");
    return QStringLiteral("/fondirex0") + QString::number(administration);
}

int LocationRecord::administrationFromDirectoryText(const QString& directoryText)
{
    if (directoryText.isEmpty())
        return 0;
    const QChar last = directoryText.back();
    if (last >= QChar('1') && last <= QChar('4'))
        return last.digitValue();
    return 0;
}
