#include "core/settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

SettingsResult SettingsFile::read(const QString& path, const QByteArray& defaults,
                                  QByteArray& bytes)
{
    bytes.clear();
    if (QFileInfo::exists(path))
        return readExisting(path, defaults.size(), bytes);
    bytes = defaults;
    const SettingsResult written = write(path, defaults);
    return written ? SettingsResult::success(true) : written;
}

SettingsResult SettingsFile::readExisting(const QString& path, qint64 expectedSize,
                                          QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return SettingsResult::failure(
            QStringLiteral("Het instellingenbestand %1 kan niet worden gelezen (%2).")
                .arg(QDir::toNativeSeparators(path), describe(file.error())));
    }
    if (file.size() != expectedSize) {
        return SettingsResult::failure(
            QStringLiteral("Het instellingenbestand %1 heeft een onjuiste grootte (%2 bytes, "
                           "verwacht %3) en is niet gewijzigd.")
                .arg(QDir::toNativeSeparators(path))
                .arg(file.size())
                .arg(expectedSize));
    }
    const QByteArray content = file.read(expectedSize);
    if (content.size() != expectedSize) {
        return SettingsResult::failure(
            QStringLiteral("Het instellingenbestand %1 kan niet worden gelezen (%2).")
                .arg(QDir::toNativeSeparators(path), describe(file.error())));
    }
    bytes = content;
    return SettingsResult::success();
}

SettingsResult SettingsFile::write(const QString& path, const QByteArray& bytes)
{
    const QString directory = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(directory)) {
        return SettingsResult::failure(
            QStringLiteral("De map %1 voor het instellingenbestand kan niet worden aangemaakt.")
                .arg(QDir::toNativeSeparators(directory)));
    }
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    if (!written || !file.commit()) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return SettingsResult::failure(
            QStringLiteral("Het instellingenbestand %1 kan niet worden geschreven (%2).")
                .arg(QDir::toNativeSeparators(path), describe(error)));
    }
    return SettingsResult::success();
}

QString SettingsFile::describe(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("geen toegang");
    case QFileDevice::ReadError:
        return QStringLiteral("leesfout");
    case QFileDevice::WriteError:
        return QStringLiteral("schrijffout, is de schijf vol?");
    case QFileDevice::ResourceError:
        return QStringLiteral("onvoldoende ruimte of middelen");
    case QFileDevice::RenameError:
        return QStringLiteral("het nieuwe bestand kon niet op zijn plaats worden gezet");
    default:
        return QStringLiteral("het bestand kan niet worden geopend");
    }
}
