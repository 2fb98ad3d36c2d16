#include "core/app/app_state.h"
#include "core/app/default_mail_account.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAppDefaultMailAccount : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        AppState::DefaultSmtpServer = QStringLiteral("oud.example.nl");
        AppState::DefaultSenderAddress = QStringLiteral("oud@example.nl");
    }
    void readsTheDefaultProfilesAccount();
    void leavesTheTextsWithoutAProfile();
};

namespace {
void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}
} // namespace

void TestAppDefaultMailAccount::readsTheDefaultProfilesAccount()
{
    QTemporaryDir home;
    writeFile(home.filePath(".thunderbird/profiles.ini"),
              "[Profile1]\nName=oud\nIsRelative=1\nPath=oud.default\n\n"
              "[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\nDefault=1\n");
    writeFile(home.filePath(".thunderbird/abc.default/prefs.js"),
              "user_pref(\"mail.accountmanager.defaultaccount\", \"account2\");\n"
              "user_pref(\"mail.account.account2.identities\", \"id3,id4\");\n"
              "user_pref(\"mail.identity.id3.useremail\", \"penningmeester@club.nl\");\n"
              "user_pref(\"mail.identity.id3.smtpServer\", \"smtp2\");\n"
              "user_pref(\"mail.smtp.defaultserver\", \"smtp1\");\n"
              "user_pref(\"mail.smtpserver.smtp1.hostname\", \"verkeerd.nl\");\n"
              "user_pref(\"mail.smtpserver.smtp2.hostname\", \"smtp.club.nl\");\n");
    DefaultMailAccount::ReadDefaultMailAccount(home.path());
    QCOMPARE(AppState::DefaultSmtpServer, QStringLiteral("smtp.club.nl"));
    QCOMPARE(AppState::DefaultSenderAddress, QStringLiteral("penningmeester@club.nl"));
}

void TestAppDefaultMailAccount::leavesTheTextsWithoutAProfile()
{
    QTemporaryDir home;
    DefaultMailAccount::ReadDefaultMailAccount(home.path());
    QCOMPARE(AppState::DefaultSmtpServer, QStringLiteral("oud.example.nl"));
    QCOMPARE(AppState::DefaultSenderAddress, QStringLiteral("oud@example.nl"));
}

QTEST_GUILESS_MAIN(TestAppDefaultMailAccount)
#include "test_app_default_mail_account.moc"
