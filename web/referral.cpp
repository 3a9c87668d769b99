#include "web/referral.h"

#include "common/trimspaces.h"
#include "web/sitepages.h"

#include <QCoreApplication>
#include <QUrl>

namespace palmora {

namespace {

bool isMissing(const QString &value, const char *placeholder)
{
    return value.isEmpty() || value == QLatin1String(placeholder);
}

bool isProperEmail(const QString &address)
{
    return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString trimFieldSpaces(const QString &text)
{
    return trimSpaces(text);
}

ReferralFields trimmedFields(const ReferralFields &fields)
{
    return {trimFieldSpaces(fields.senderName), trimFieldSpaces(fields.senderEmail),
            trimFieldSpaces(fields.message), trimFieldSpaces(fields.friendName),
            trimFieldSpaces(fields.friendEmail)};
}

int referralFieldLimit(ReferralField field)
{
    switch (field) {
    case ReferralField::SenderName:
    case ReferralField::FriendName:
        return kMaxReferralNameLength;
    case ReferralField::SenderEmail:
    case ReferralField::FriendEmail:
        return kMaxReferralEmailLength;
    case ReferralField::Message:
        return kMaxReferralMessageLength;
    }
    return 0;
}

qsizetype referralFieldLength(const QString &text)
{
    return text.size() - text.count(QLatin1String("\r\n"));
}

bool fitsReferralField(ReferralField field, const QString &text)
{
    return referralFieldLength(text) <= referralFieldLimit(field);
}

QString referralFieldFullText(ReferralField field)
{
    const char *text = nullptr;
    switch (field) {
    case ReferralField::SenderName:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Your name can have at most %1 characters.");
        break;
    case ReferralField::SenderEmail:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Your email address can have at most %1 characters.");
        break;
    case ReferralField::Message:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Your message can have at most %1 characters.");
        break;
    case ReferralField::FriendName:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Your friend's name can have at most %1 characters.");
        break;
    case ReferralField::FriendEmail:
        text = QT_TRANSLATE_NOOP("palmora::Referral",
                                 "Your friend's email address can have at most %1 characters.");
        break;
    }
    return text ? QCoreApplication::translate("palmora::Referral", text).arg(referralFieldLimit(field))
                : QString();
}

ReferralProblem referralProblem(const ReferralFields &fields)
{
    if (!fitsReferralField(ReferralField::SenderName, fields.senderName)
        || !fitsReferralField(ReferralField::SenderEmail, fields.senderEmail)
        || !fitsReferralField(ReferralField::Message, fields.message)
        || !fitsReferralField(ReferralField::FriendName, fields.friendName)
        || !fitsReferralField(ReferralField::FriendEmail, fields.friendEmail))
        return ReferralProblem::TooLong;
    if (fields.senderEmail == fields.friendEmail)
        return ReferralProblem::SameEmails;
    if (!isProperEmail(fields.senderEmail) || !isProperEmail(fields.friendEmail))
        return ReferralProblem::ImproperEmail;
    if (isMissing(fields.senderName, ReferralPlaceholder::SenderName))
        return ReferralProblem::MissingSenderName;
    if (isMissing(fields.senderEmail, ReferralPlaceholder::SenderEmail))
        return ReferralProblem::MissingSenderEmail;
    if (isMissing(fields.message, ReferralPlaceholder::Message))
        return ReferralProblem::MissingMessage;
    if (isMissing(fields.friendName, ReferralPlaceholder::FriendName))
        return ReferralProblem::MissingFriendName;
    if (isMissing(fields.friendEmail, ReferralPlaceholder::FriendEmail))
        return ReferralProblem::MissingFriendEmail;
    return ReferralProblem::None;
}

QString referralProblemText(ReferralProblem problem)
{
    const char *text = nullptr;
    switch (problem) {
    case ReferralProblem::None:
        return {};
    case ReferralProblem::TooLong:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Please Shorten Your Entries");
        break;
    case ReferralProblem::SameEmails:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Please Enter Distinct Email Addresses");
        break;
    case ReferralProblem::ImproperEmail:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Please Enter Proper Email Address");
        break;
    case ReferralProblem::MissingSenderName:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Please Enter Your Name");
        break;
    case ReferralProblem::MissingSenderEmail:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Please Enter Your Email");
        break;
    case ReferralProblem::MissingMessage:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Please Enter Your Message");
        break;
    case ReferralProblem::MissingFriendName:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Please Enter Your Friend's Name");
        break;
    case ReferralProblem::MissingFriendEmail:
        text = QT_TRANSLATE_NOOP("palmora::Referral", "Please Enter Your Friend's Email");
        break;
    }
    return text ? QCoreApplication::translate("palmora::Referral", text) : QString();
}

QString referralAddress(const ReferralFields &fields)
{
    const QString values[] = {fields.senderName, fields.senderEmail, fields.message,
                              fields.friendName, fields.friendEmail, productFolderAddress()};
    QString address = pageAddress(QString::fromLatin1(PageKey::ReferAFriend));
    for (int i = 0; i < 6; ++i)
        address += QStringLiteral("&taf%1=").arg(i + 1) + encoded(values[i]);
    return address;
}

} // namespace palmora
