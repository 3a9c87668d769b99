#include "web/referral.h"

#include "common/trimspaces.h"
#include "web/sitepages.h"

#include <QCoreApplication>
#include <QUrl>

namespace palmora {

namespace {

// The translators' context of the referral's texts.
class Referral {
    Q_DECLARE_TR_FUNCTIONS(Referral)
};

// The most characters each field takes: room for any real name, for the longest
// e-mail address mail servers carry (254) and for a message of a few hundred
// words. With them the address stays below 32,000 characters (each character
// takes at most nine, three UTF-8 bytes percent-encoded), short enough for every
// browser and far below the system's limit on a program argument (128 KiB).
constexpr int kMaxNameLength = 100;
constexpr int kMaxEmailLength = 254;
constexpr int kMaxMessageLength = 2000;

int referralFieldLimit(ReferralField field)
{
    switch (field) {
    case ReferralField::SenderName:
    case ReferralField::FriendName:
        return kMaxNameLength;
    case ReferralField::SenderEmail:
    case ReferralField::FriendEmail:
        return kMaxEmailLength;
    case ReferralField::Message:
        return kMaxMessageLength;
    }
    return 0;
}

// A field's length as its user sees it: UTF-16 characters, a CR LF line end
// counting once.
qsizetype referralFieldLength(const QString &text)
{
    return text.size() - text.count(QLatin1String("\r\n"));
}

// A field still showing its placeholder holds no entry.
bool isMissing(const QString &value, ReferralField field)
{
    return value.isEmpty() || value == referralPlaceholder(field);
}

QString fieldFullText(ReferralField field)
{
    switch (field) {
    case ReferralField::SenderName:
        return Referral::tr("Your name can have at most %1 characters.");
    case ReferralField::SenderEmail:
        return Referral::tr("Your email address can have at most %1 characters.");
    case ReferralField::Message:
        return Referral::tr("Your message can have at most %1 characters.");
    case ReferralField::FriendName:
        return Referral::tr("Your friend's name can have at most %1 characters.");
    case ReferralField::FriendEmail:
        return Referral::tr("Your friend's email address can have at most %1 characters.");
    }
    return {};
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

ReferralFields trimmedFields(const ReferralFields &fields)
{
    return {trimSpaces(fields.senderName), trimSpaces(fields.senderEmail), trimSpaces(fields.message),
            trimSpaces(fields.friendName), trimSpaces(fields.friendEmail)};
}

QString referralPlaceholder(ReferralField field)
{
    switch (field) {
    case ReferralField::SenderName:
        return Referral::tr("Your Name");
    case ReferralField::SenderEmail:
        return Referral::tr("Your Email Address");
    case ReferralField::Message:
        return Referral::tr("Your Message");
    case ReferralField::FriendName:
        return Referral::tr("Friend's Name");
    case ReferralField::FriendEmail:
        return Referral::tr("Friend's Email Address");
    }
    return {};
}

bool fitsReferralField(ReferralField field, const QString &text)
{
    return referralFieldLength(text) <= referralFieldLimit(field);
}

QString referralFieldFullText(ReferralField field)
{
    return fieldFullText(field).arg(referralFieldLimit(field));
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
    if (isMissing(fields.senderName, ReferralField::SenderName))
        return ReferralProblem::MissingSenderName;
    if (isMissing(fields.senderEmail, ReferralField::SenderEmail))
        return ReferralProblem::MissingSenderEmail;
    if (isMissing(fields.message, ReferralField::Message))
        return ReferralProblem::MissingMessage;
    if (isMissing(fields.friendName, ReferralField::FriendName))
        return ReferralProblem::MissingFriendName;
    if (isMissing(fields.friendEmail, ReferralField::FriendEmail))
        return ReferralProblem::MissingFriendEmail;
    return ReferralProblem::None;
}

QString referralProblemText(ReferralProblem problem)
{
    switch (problem) {
    case ReferralProblem::None:
        return {};
    case ReferralProblem::TooLong:
        return Referral::tr("Please Shorten Your Entries");
    case ReferralProblem::SameEmails:
        return Referral::tr("Please Enter Distinct Email Addresses");
    case ReferralProblem::ImproperEmail:
        return Referral::tr("Please Enter Proper Email Address");
    case ReferralProblem::MissingSenderName:
        return Referral::tr("Please Enter Your Name");
    case ReferralProblem::MissingSenderEmail:
        return Referral::tr("Please Enter Your Email");
    case ReferralProblem::MissingMessage:
        return Referral::tr("Please Enter Your Message");
    case ReferralProblem::MissingFriendName:
        return Referral::tr("Please Enter Your Friend's Name");
    case ReferralProblem::MissingFriendEmail:
        return Referral::tr("Please Enter Your Friend's Email");
    }
    return {};
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
