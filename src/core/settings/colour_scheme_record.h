#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

// kschema.dat in the program directory: the window colour and the display name of each of
// the five administrations.
struct ColourSchemeRecord
{
    static constexpr int Size = 128;
    static constexpr int Administrations = 5;
    static constexpr int NameCapacity = 20;
    static constexpr std::int32_t DefaultColour = 16505531;
    static constexpr const char* FileName = "kschema.dat";

    // Windows colour values: red in the low byte, then green, then blue.
    std::array<std::int32_t, Administrations> Colours{};
    std::array<QString, Administrations> Names;

    static std::array<QString, Administrations> defaultNames();
    static ColourSchemeRecord
    defaults(const std::array<QString, Administrations>& names = defaultNames());

    QByteArray toBytes() const;
    static ColourSchemeRecord fromBytes(const QByteArray& bytes);

    // An administration outside 0 ... 4 reads as the default colour and is not set.
    QColor colour(int administration) const;
    void setColour(int administration, const QColor& colour);
    static bool isAdministration(int administration);
    static QColor toQColor(std::int32_t windowsColour);
    static std::int32_t toWindowsColour(const QColor& colour);

    bool operator==(const ColourSchemeRecord&) const = default;
};
