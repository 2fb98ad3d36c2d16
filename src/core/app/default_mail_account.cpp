#include "core/app/default_mail_account.h"

#include "core/app/app_state.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>

namespace {
QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString profilePath(QSettings& ini, const QString& group, const QString& directory)
{
    const QString path = ini.value(group + QStringLiteral("/Path")).toString();
    if (path.isEmpty())
        return {};
    const bool relative = ini.value(group + QStringLiteral("/IsRelative"), 1).toInt() == 1;
    return relative ? QDir(directory).filePath(path) : path;
}
} // namespace

QString DefaultMailAccount::preference(const QString& prefs, const QString& name)
{
    const QRegularExpression line(QStringLiteral(R"re(user_pref\(\s*"%1"\s*,\s*"([^"]*)"\s*\))re")
                                      .arg(QRegularExpression::escape(name)));
    const QRegularExpressionMatch match = line.match(prefs);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString DefaultMailAccount::defaultProfile(const QString& thunderbirdDirectory)
{
    QSettings ini(QDir(thunderbirdDirectory).filePath(QStringLiteral("profiles.ini")),
                  QSettings::IniFormat);
    // Newer Thunderbirds name the profile of the installation; older ones mark it Default=1.
    for (const QString& group : ini.childGroups()) {
        if (group.startsWith(QLatin1String("Install"))) {
            const QString path = ini.value(group + QStringLiteral("/Default")).toString();
            if (!path.isEmpty())
                return QDir(thunderbirdDirectory).filePath(path);
        }
    }
    QString first;
    for (const QString& group : ini.childGroups()) {
        if (!group.startsWith(QLatin1String("Profile")))
            continue;
        const QString path = profilePath(ini, group, thunderbirdDirectory);
        if (ini.value(group + QStringLiteral("/Default")).toInt() == 1)
            return path;
        if (first.isEmpty())
            first = path;
    }
    return first;
}

void DefaultMailAccount::ReadDefaultMailAccount(const QString& home)
{
    const QString profile = defaultProfile(QDir(home).filePath(QStringLiteral(".thunderbird")));
    if (profile.isEmpty())
        return;
    const QString prefs = readText(QDir(profile).filePath(QStringLiteral("prefs.js")));
    const QString account = preference(prefs, QStringLiteral("mail.accountmanager.defaultaccount"));
    if (account.isEmpty())
        return;
    const QString identity =
        preference(prefs, QStringLiteral("mail.account.%1.identities").arg(account))
            .section(QLatin1Char(','), 0, 0);
    QString smtp = preference(prefs, QStringLiteral("mail.identity.%1.smtpServer").arg(identity));
    if (smtp.isEmpty())
        smtp = preference(prefs, QStringLiteral("mail.smtp.defaultserver"));
    const QString server =
        preference(prefs, QStringLiteral("mail.smtpserver.%1.hostname").arg(smtp));
    const QString address =
        preference(prefs, QStringLiteral("mail.identity.%1.useremail").arg(identity));
    if (!server.isEmpty())
        AppState::DefaultSmtpServer = server;
    if (!address.isEmpty())
        AppState::DefaultSenderAddress = address;
}
