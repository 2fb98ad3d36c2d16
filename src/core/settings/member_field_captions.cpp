#include "core/settings/member_field_captions.h"

#include "core/settings/record_buffer.h"

#include <algorithm>

namespace {
constexpr int kCaptionSize = MemberFieldCaptions::CaptionCapacity + 1;
}

const std::array<QString, MemberFieldCaptions::Count>& MemberFieldCaptions::fieldNames()
{
    static const std::array<QString, Count> names = {
        QStringLiteral("Telefoon1"), QStringLiteral("Telefoon2"), QStringLiteral("KM1"),
        QStringLiteral("KM2"),       QStringLiteral("KM3"),       QStringLiteral("KM4"),
        QStringLiteral("KM5"),       QStringLiteral("KM6"),       QStringLiteral("KM7"),
        QStringLiteral("KM8"),       QStringLiteral("KM9"),       QStringLiteral("KM10")};
    return names;
}

MemberFieldCaptions MemberFieldCaptions::defaults()
{
    return {{QStringLiteral("Telefoon 1"), QStringLiteral("Telefoon 2"), QStringLiteral("Opmerk 1"),
             QStringLiteral("Opmerk 2"), QStringLiteral("Opmerk 3"), QStringLiteral("Kenmerk 1"),
             QStringLiteral("Kenmerk 2"), QStringLiteral("Kenmerk 3"), QStringLiteral("Kenmerk 4"),
             QStringLiteral("Kenmerk 5"), QStringLiteral("Kenmerk 6"),
             QStringLiteral("Kenmerk 7")}};
}

QString MemberFieldCaptions::captionFor(const QString& fieldName) const
{
    const auto& names = fieldNames();
    const auto found = std::find(names.begin(), names.end(), fieldName);
    if (found == names.end())
        return {};
    return Captions[found - names.begin()];
}

QByteArray MemberFieldCaptions::toBytes() const
{
    RecordBuffer buffer(Size);
    for (int i = 0; i < Count; ++i)
        buffer.putText(i * kCaptionSize, CaptionCapacity, Captions[i]);
    return buffer.bytes();
}

MemberFieldCaptions MemberFieldCaptions::fromBytes(const QByteArray& bytes)
{
    const RecordBuffer buffer(bytes, Size);
    MemberFieldCaptions record;
    for (int i = 0; i < Count; ++i)
        record.Captions[i] = buffer.text(i * kCaptionSize, CaptionCapacity);
    return record;
}
