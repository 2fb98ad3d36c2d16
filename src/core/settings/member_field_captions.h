#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// leden.cfg in the data directory: the captions the treasurer gave the twelve free member
// fields, in the order of fieldNames().
struct MemberFieldCaptions
{
    static constexpr int Size = 132;
    static constexpr int Count = 12;
    static constexpr int CaptionCapacity = 10;
    static constexpr const char* FileName = "leden.cfg";

    std::array<QString, Count> Captions;

    // "Telefoon1", "Telefoon2", "KM1" ... "KM10": the member table's fields.
    static const std::array<QString, Count>& fieldNames();
    static MemberFieldCaptions defaults();

    // The caption of a member field named in fieldNames(); empty for any other name.
    QString captionFor(const QString& fieldName) const;

    QByteArray toBytes() const;
    static MemberFieldCaptions fromBytes(const QByteArray& bytes);

    bool operator==(const MemberFieldCaptions&) const = default;
};
