#pragma once

#include <QByteArray>
#include <QString>

// instellst.dat in the data directory: whether and where reports print the logo, and the
// sender and SMTP server the mailing uses.
struct MailAndLogoRecord
{
    static constexpr int Size = 234;
    static constexpr int SenderAddressCapacity = 60;
    static constexpr int SenderNameCapacity = 40;
    static constexpr int SmtpServerCapacity = 40;
    static constexpr int SmtpUserIdCapacity = 40;
    static constexpr int SmtpPortCapacity = 5;
    static constexpr const char* FileName = "instellst.dat";

    bool PrintLogo = true;
    bool PrintLogoLeft = true;
    bool PrintLogoRight = false;
    QString SenderAddress;
    QString SenderName;
    QString SmtpServer;
    QString SmtpUserId;
    QString SmtpPort = QStringLiteral("25");

    static MailAndLogoRecord defaults() { return {}; }

    QByteArray toBytes() const;
    static MailAndLogoRecord fromBytes(const QByteArray& bytes);

    bool operator==(const MailAndLogoRecord&) const = default;
};
