#include "core/settings/colour_scheme_record.h"

#include "core/settings/record_buffer.h"

namespace {
constexpr int kColoursOffset = 0;
constexpr int kNamesOffset = 20;
constexpr int kColourSize = 4;
constexpr int kNameSize = ColourSchemeRecord::NameCapacity + 1;
} // namespace

std::array<QString, ColourSchemeRecord::Administrations> ColourSchemeRecord::defaultNames()
{
    return {QStringLiteral("Fondirex (standaard)"), QStringLiteral("Fondirex01"),
            QStringLiteral("Fondirex02"), QStringLiteral("Fondirex03"),
            QStringLiteral("Fondirex04")};
}

ColourSchemeRecord ColourSchemeRecord::defaults(const std::array<QString, Administrations>& names)
{
    ColourSchemeRecord record;
    record.Colours.fill(DefaultColour);
    record.Names = names;
    return record;
}

QByteArray ColourSchemeRecord::toBytes() const
{
    RecordBuffer buffer(Size);
    for (int i = 0; i < Administrations; ++i) {
        buffer.putInt32(kColoursOffset + i * kColourSize, Colours[i]);
        buffer.putText(kNamesOffset + i * kNameSize, NameCapacity, Names[i]);
    }
    return buffer.bytes();
}

ColourSchemeRecord ColourSchemeRecord::fromBytes(const QByteArray& bytes)
{
    const RecordBuffer buffer(bytes, Size);
    ColourSchemeRecord record;
    for (int i = 0; i < Administrations; ++i) {
        record.Colours[i] = buffer.int32(kColoursOffset + i * kColourSize);
        record.Names[i] = buffer.text(kNamesOffset + i * kNameSize, NameCapacity);
    }
    return record;
}

bool ColourSchemeRecord::isAdministration(int administration)
{
    return administration >= 0 && administration < Administrations;
}

QColor ColourSchemeRecord::colour(int administration) const
{
    return toQColor(isAdministration(administration) ? Colours[administration] : DefaultColour);
}

void ColourSchemeRecord::setColour(int administration, const QColor& colour)
{
    if (isAdministration(administration))
        Colours[administration] = toWindowsColour(colour);
}

QColor ColourSchemeRecord::toQColor(std::int32_t windowsColour)
{
    const auto value = static_cast<std::uint32_t>(windowsColour);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::int32_t ColourSchemeRecord::toWindowsColour(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}
