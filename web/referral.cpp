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

ReferralProblem referralProblem(const ReferralFields &fields)
{
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
