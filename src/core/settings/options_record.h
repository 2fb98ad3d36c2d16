#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// konfigur.dat in the data directory: the options of one administration, and the name of
// the association, kept in a text field the original layout left unused.
struct OptionsRecord
{
    static constexpr int Size = 416;
    static constexpr int LastBackupDirectoryCapacity = 200;
    static constexpr int AssociationNameMaxLength = 40;
    static constexpr const char* FileName = "konfigur.dat";

    bool DutchAmounts = false;
    // 0 = January ... 11 = December.
    std::int32_t BookYearStartMonth = 1;
    bool CombinedGroup440 = false;
    QString LastBackupDirectory;
    QString AssociationName;

    // A file created at start-up starts the book year in February (1), one created after an
    // administration switch in January (0): both behaviours are what existing users have.
    static OptionsRecord defaults(bool createdAtStartup);

    // Cuts the name to AssociationNameMaxLength characters.
    static QString limitedAssociationName(const QString& name);

    QByteArray toBytes() const;
    static OptionsRecord fromBytes(const QByteArray& bytes);

    bool operator==(const OptionsRecord&) const = default;
};
