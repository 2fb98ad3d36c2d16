#pragma once

#include "core/settings/colour_scheme_record.h"
#include "core/settings/location_record.h"
#include "core/settings/logo_name_record.h"
#include "core/settings/mail_and_logo_record.h"
#include "core/settings/member_field_captions.h"
#include "core/settings/options_record.h"
#include "core/settings/settings_result.h"

#include <QSize>
#include <QString>

#include <array>

// All settings files of the program, held in memory for the whole run, and the paths that
// follow from them. basedrive.dat and kschema.dat lie in ProgramDirectory(); the other four
// in DataDirectory(), which changes with the administration.
//
// A readX() loads its file into memory; a missing file is first written with the defaults.
// When reading fails the record in memory keeps its previous value and the result carries
// the Dutch message to show. A writeX() stores the record in memory; afterwards the record
// in memory is exactly what the file holds (texts cut to their capacity, characters outside
// Windows-1252 as '?').
class Settings
{
public:
    // The program directory: $FONDIREX_CONFIG_DIR, else $XDG_CONFIG_HOME/fondirex, else
    // ~/.config/fondirex. It is created when the first file is written into it.
    static QString locateProgramDirectory();

    explicit Settings(const QString& programDirectory = locateProgramDirectory());

    // The instance the program uses for its whole run. Tests may construct their own.
    static Settings& shared();

    // Paths. None of them ends in a slash.
    QString ProgramDirectory() const { return m_programDirectory; }
    QString DataDirectory() const;
    QString ManualFile() const;
    QString LogoFile() const;
    // fondirex.abs of the current administration, or of another one on the same drive.
    QString DatabaseFile() const;
    QString databaseFileFor(int administration) const;
    QString dataDirectoryFor(int administration) const;

    // The current administration (0 ... 4), from the directory text.
    int administration() const;
    // Points the location in memory at another administration; writeLocation() stores it
    // and the data directory files must then be read again.
    void setAdministration(int administration);

    QString AssociationName() const { return m_options.AssociationName; }
    // Cut to OptionsRecord::AssociationNameMaxLength characters; writeOptions() stores it.
    void setAssociationName(const QString& name);

    // Sizes a picture for display by LogoSizeRule and keeps the result as LogoWidth() and
    // LogoHeight() (0 x 0 until a picture was sized).
    QSize fitLogo(const QSize& picture);
    int LogoWidth() const { return m_logoSize.width(); }
    int LogoHeight() const { return m_logoSize.height(); }

    LocationRecord& location() { return m_location; }
    const LocationRecord& location() const { return m_location; }
    ColourSchemeRecord& colourScheme() { return m_colourScheme; }
    const ColourSchemeRecord& colourScheme() const { return m_colourScheme; }
    MemberFieldCaptions& memberCaptions() { return m_memberCaptions; }
    const MemberFieldCaptions& memberCaptions() const { return m_memberCaptions; }
    MailAndLogoRecord& mailAndLogo() { return m_mailAndLogo; }
    const MailAndLogoRecord& mailAndLogo() const { return m_mailAndLogo; }
    LogoNameRecord& logoName() { return m_logoName; }
    const LogoNameRecord& logoName() const { return m_logoName; }
    OptionsRecord& options() { return m_options; }
    const OptionsRecord& options() const { return m_options; }

    SettingsResult readLocation();
    // A newly created file gets `namesWhenCreated` as the administrations' display names.
    SettingsResult readColourScheme(const std::array<QString, ColourSchemeRecord::Administrations>&
                                        namesWhenCreated = ColourSchemeRecord::defaultNames());
    SettingsResult readMemberCaptions();
    SettingsResult readMailAndLogo();
    SettingsResult readLogoName();
    // Also switches the amount separators to the DutchAmounts option. A newly created file
    // starts the book year at 1 when `createdAtStartup`, else at 0.
    SettingsResult readOptions(bool createdAtStartup);

    SettingsResult writeLocation();
    SettingsResult writeColourScheme();
    SettingsResult writeMemberCaptions();
    SettingsResult writeMailAndLogo();
    SettingsResult writeLogoName();
    SettingsResult writeOptions();

    // Reads the four files of the data directory, as after a change of administration or
    // drive. Every file is read even when another fails; the messages of all failures are
    // joined by line breaks. `created` tells whether any file was created.
    SettingsResult readDataDirectoryFiles(bool createdAtStartup);

private:
    QString programFile(const char* fileName) const;
    QString dataFile(const char* fileName) const;

    template <typename Record>
    static SettingsResult readRecord(const QString& path, const Record& defaults, Record& target);
    template <typename Record>
    static SettingsResult writeRecord(const QString& path, Record& record);

    QString m_programDirectory;
    LocationRecord m_location = LocationRecord::defaults();
    ColourSchemeRecord m_colourScheme = ColourSchemeRecord::defaults();
    MemberFieldCaptions m_memberCaptions = MemberFieldCaptions::defaults();
    MailAndLogoRecord m_mailAndLogo = MailAndLogoRecord::defaults();
    LogoNameRecord m_logoName = LogoNameRecord::defaults();
    OptionsRecord m_options = OptionsRecord::defaults(true);
    QSize m_logoSize{0, 0};
};
