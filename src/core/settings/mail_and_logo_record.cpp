#include "core/settings/mail_and_logo_record.h"

#include "core/settings/record_buffer.h"

namespace {
constexpr int kPrintLogoOffset = 0;
constexpr int kPrintLogoLeftOffset = 1;
constexpr int kPrintLogoRightOffset = 2;
constexpr int kSenderAddressOffset = 3;
constexpr int kSenderNameOffset = 64;
constexpr int kSmtpServerOffset = 105;
constexpr int kSmtpUserIdOffset = 146;
// 187..227 is a text field nobody uses; it stays zero.
constexpr int kSmtpPortOffset = 228;
} // namespace

QByteArray MailAndLogoRecord::toBytes() const
{
    RecordBuffer buffer(Size);
    buffer.putFlag(kPrintLogoOffset, PrintLogo);
    buffer.putFlag(kPrintLogoLeftOffset, PrintLogoLeft);
    buffer.putFlag(kPrintLogoRightOffset, PrintLogoRight);
    buffer.putText(kSenderAddressOffset, SenderAddressCapacity, SenderAddress);
    buffer.putText(kSenderNameOffset, SenderNameCapacity, SenderName);
    buffer.putText(kSmtpServerOffset, SmtpServerCapacity, SmtpServer);
    buffer.putText(kSmtpUserIdOffset, SmtpUserIdCapacity, SmtpUserId);
    buffer.putText(kSmtpPortOffset, SmtpPortCapacity, SmtpPort);
    return buffer.bytes();
}

MailAndLogoRecord MailAndLogoRecord::fromBytes(const QByteArray& bytes)
{
    const RecordBuffer buffer(bytes, Size);
    MailAndLogoRecord record;
    record.PrintLogo = buffer.flag(kPrintLogoOffset);
    record.PrintLogoLeft = buffer.flag(kPrintLogoLeftOffset);
    record.PrintLogoRight = buffer.flag(kPrintLogoRightOffset);
    record.SenderAddress = buffer.text(kSenderAddressOffset, SenderAddressCapacity);
    record.SenderName = buffer.text(kSenderNameOffset, SenderNameCapacity);
    record.SmtpServer = buffer.text(kSmtpServerOffset, SmtpServerCapacity);
    record.SmtpUserId = buffer.text(kSmtpUserIdOffset, SmtpUserIdCapacity);
    record.SmtpPort = buffer.text(kSmtpPortOffset, SmtpPortCapacity);
    return record;
}
