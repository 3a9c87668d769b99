#pragma once

#include <QString>

// The friend referral of the exit screen: what the user typed, its checks and
// the address that carries it to the maker's site.
namespace palmora {

struct ReferralFields {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The five fields, in the order of the address.
enum class ReferralField { SenderName, SenderEmail, Message, FriendName, FriendEmail };

// What a field shows while it holds no entry, in the user's language. A field
// that still holds it when the referral is sent counts as not filled in.
QString referralPlaceholder(ReferralField field);

// True when the text fits the field: at most 100 characters for a name, 254
// for an e-mail address, 2000 for the message, a CR LF line end counting once.
bool fitsReferralField(ReferralField field, const QString &text);
// The message that tells the user why text that would overfill a field was refused.
QString referralFieldFullText(ReferralField field);

// The first check a referral fails, in the order the checks are made.
enum class ReferralProblem {
    None,
    TooLong,
    SameEmails,
    ImproperEmail,
    MissingSenderName,
    MissingSenderEmail,
    MissingMessage,
    MissingFriendName,
    MissingFriendEmail,
};

// The fields with leading and trailing spaces removed.
ReferralFields trimmedFields(const ReferralFields &fields);

// Checks already trimmed fields; the first failing check wins. A field over its
// limit fails first: no address is ever built from it.
ReferralProblem referralProblem(const ReferralFields &fields);
// The message that tells the user about a problem; empty for None.
QString referralProblemText(ReferralProblem problem);

// The page address for the referral with taf1 to taf6 appended. Every value is
// percent-encoded as UTF-8, so no text the user types can end the address,
// add a parameter or change another one.
QString referralAddress(const ReferralFields &fields);

} // namespace palmora
