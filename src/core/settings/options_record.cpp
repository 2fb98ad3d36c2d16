#include "core/settings/options_record.h"

#include "core/settings/record_buffer.h"
#include "core/settings/win1252_codec.h"

namespace {
constexpr int kDutchAmountsOffset = 0;
constexpr int kBookYearStartMonthOffset = 4;
constexpr int kCombinedGroup440Offset = 8;
constexpr int kLastBackupDirectoryOffset = 12;
constexpr int kAssociationNameOffset = 213;
constexpr int kAssociationNameCapacity = 200;
} // namespace

OptionsRecord OptionsRecord::defaults(bool createdAtStartup)
{
    OptionsRecord record;
    record.BookYearStartMonth = createdAtStartup ? 1 : 0;
    return record;
}

QString OptionsRecord::limitedAssociationName(const QString& name)
{
    return Win1252Codec::fitted(name, AssociationNameMaxLength);
}

QByteArray OptionsRecord::toBytes() const
{
    RecordBuffer buffer(Size);
    buffer.putFlag(kDutchAmountsOffset, DutchAmounts);
    buffer.putInt32(kBookYearStartMonthOffset, BookYearStartMonth);
    buffer.putInt32(kCombinedGroup440Offset, CombinedGroup440 ? 1 : 0);
    buffer.putText(kLastBackupDirectoryOffset, LastBackupDirectoryCapacity, LastBackupDirectory);
    buffer.putText(kAssociationNameOffset, kAssociationNameCapacity,
                   limitedAssociationName(AssociationName));
    return buffer.bytes();
}

OptionsRecord OptionsRecord::fromBytes(const QByteArray& bytes)
{
    const RecordBuffer buffer(bytes, Size);
    OptionsRecord record;
    record.DutchAmounts = buffer.flag(kDutchAmountsOffset);
    record.BookYearStartMonth = buffer.int32(kBookYearStartMonthOffset);
    record.CombinedGroup440 = buffer.int32(kCombinedGroup440Offset) != 0;
    record.LastBackupDirectory =
        buffer.text(kLastBackupDirectoryOffset, LastBackupDirectoryCapacity);
    record.AssociationName =
        limitedAssociationName(buffer.text(kAssociationNameOffset, kAssociationNameCapacity));
    return record;
}
