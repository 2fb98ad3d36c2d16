#include "core/settings/settings.h"

#include "core/amount_format.h"
#include "core/settings/logo_size_rule.h"
#include "core/settings/settings_file.h"

#include <QDir>
#include <QStringList>

namespace {
QString absoluteEnvironmentPath(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty() || !QDir::isAbsolutePath(value))
        return {};
    return QDir::cleanPath(value);
}
} // namespace

QString Settings::locateProgramDirectory()
{
    const QString own = absoluteEnvironmentPath("FONDIREX_CONFIG_DIR");
    if (!own.isEmpty())
        return own;
    // Per the XDG rules a relative XDG_CONFIG_HOME is ignored.
    const QString xdg = absoluteEnvironmentPath("XDG_CONFIG_HOME");
    if (!xdg.isEmpty())
        return xdg + QStringLiteral("/fondirex");
    return QDir::homePath() + QStringLiteral("/.config/fondirex");
}

Settings::Settings(const QString& programDirectory) : m_programDirectory(programDirectory) {}

Settings& Settings::shared()
{
    static Settings settings;
    return settings;
}

QString Settings::DataDirectory() const
{
    return m_location.DriveText + m_location.DirectoryText;
}

QString Settings::ManualFile() const
{
    return programFile("uitleg.rtf");
}

QString Settings::LogoFile() const
{
    return DataDirectory() + m_logoName.usedPart();
}

QString Settings::DatabaseFile() const
{
    return DataDirectory() + QStringLiteral("/fondirex.abs");
}

QString Settings::dataDirectoryFor(int administration) const
{
    return m_location.DriveText + LocationRecord::directoryTextFor(administration);
}

QString Settings::databaseFileFor(int administration) const
{
    return dataDirectoryFor(administration) + QStringLiteral("/fondirex.abs");
}

int Settings::administration() const
{
    return LocationRecord::administrationFromDirectoryText(m_location.DirectoryText);
}

void Settings::setAdministration(int administration)
{
    m_location.DirectoryText = LocationRecord::directoryTextFor(administration);
}

void Settings::setAssociationName(const QString& name)
{
    m_options.AssociationName = OptionsRecord::limitedAssociationName(name);
}

QSize Settings::fitLogo(const QSize& picture)
{
    m_logoSize = LogoSizeRule::fit(picture);
    return m_logoSize;
}

QString Settings::programFile(const char* fileName) const
{
    return m_programDirectory + QLatin1Char('/') + QLatin1String(fileName);
}

QString Settings::dataFile(const char* fileName) const
{
    return DataDirectory() + QLatin1Char('/') + QLatin1String(fileName);
}

template <typename Record>
SettingsResult Settings::readRecord(const QString& path, const Record& defaults, Record& target)
{
    QByteArray bytes;
    const SettingsResult result = SettingsFile::read(path, defaults.toBytes(), bytes);
    if (bytes.size() == Record::Size)
        target = Record::fromBytes(bytes);
    return result;
}

template <typename Record> SettingsResult Settings::writeRecord(const QString& path, Record& record)
{
    const QByteArray bytes = record.toBytes();
    const SettingsResult result = SettingsFile::write(path, bytes);
    record = Record::fromBytes(bytes);
    return result;
}

SettingsResult Settings::readLocation()
{
    return readRecord(programFile(LocationRecord::FileName), LocationRecord::defaults(),
                      m_location);
}

SettingsResult Settings::readColourScheme(
    const std::array<QString, ColourSchemeRecord::Administrations>& namesWhenCreated)
{
    return readRecord(programFile(ColourSchemeRecord::FileName),
                      ColourSchemeRecord::defaults(namesWhenCreated), m_colourScheme);
}

SettingsResult Settings::readMemberCaptions()
{
    return readRecord(dataFile(MemberFieldCaptions::FileName), MemberFieldCaptions::defaults(),
                      m_memberCaptions);
}

SettingsResult Settings::readMailAndLogo()
{
    return readRecord(dataFile(MailAndLogoRecord::FileName), MailAndLogoRecord::defaults(),
                      m_mailAndLogo);
}

SettingsResult Settings::readLogoName()
{
    return readRecord(dataFile(LogoNameRecord::FileName), LogoNameRecord::defaults(), m_logoName);
}

SettingsResult Settings::readOptions(bool createdAtStartup)
{
    const SettingsResult result = readRecord(dataFile(OptionsRecord::FileName),
                                             OptionsRecord::defaults(createdAtStartup), m_options);
    AmountFormat::setDutchAmounts(m_options.DutchAmounts);
    return result;
}

SettingsResult Settings::writeLocation()
{
    return writeRecord(programFile(LocationRecord::FileName), m_location);
}

SettingsResult Settings::writeColourScheme()
{
    return writeRecord(programFile(ColourSchemeRecord::FileName), m_colourScheme);
}

SettingsResult Settings::writeMemberCaptions()
{
    return writeRecord(dataFile(MemberFieldCaptions::FileName), m_memberCaptions);
}

SettingsResult Settings::writeMailAndLogo()
{
    return writeRecord(dataFile(MailAndLogoRecord::FileName), m_mailAndLogo);
}

SettingsResult Settings::writeLogoName()
{
    return writeRecord(dataFile(LogoNameRecord::FileName), m_logoName);
}

SettingsResult Settings::writeOptions()
{
    return writeRecord(dataFile(OptionsRecord::FileName), m_options);
}

SettingsResult Settings::readDataDirectoryFiles(bool createdAtStartup)
{
    // The files do not depend on each other: one damaged file should not keep the others,
    // and the amount format, from following the new data directory.
    const SettingsResult results[] = {readMemberCaptions(), readMailAndLogo(), readLogoName(),
                                      readOptions(createdAtStartup)};
    QStringList errors;
    bool created = false;
    for (const SettingsResult& result : results) {
        created = created || result.created;
        if (!result)
            errors.append(result.error);
    }
    if (!errors.isEmpty())
        return SettingsResult::failure(errors.join(QLatin1Char('\n')));
    return SettingsResult::success(created);
}
