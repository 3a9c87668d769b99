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

// What each referral field shows while it holds no entry.
namespace ReferralPlaceholder {
inline constexpr char SenderName[] = "Your Name";
inline constexpr char SenderEmail[] = "Your Email Address";
inline constexpr char Message[] = "Your Message";
inline constexpr char FriendName[] = "Friend's Name";
inline constexpr char FriendEmail[] = "Friend's Email Address";
} // namespace ReferralPlaceholder

// The first check a referral fails, in the order the checks are made.
enum class ReferralProblem {
    None,
    SameEmails,
    ImproperEmail,
    MissingSenderName,
    MissingSenderEmail,
    MissingMessage,
    MissingFriendName,
    MissingFriendEmail,
};

// Removes leading and trailing spaces only; line breaks and tabs stay.
QString trimFieldSpaces(const QString &text);
// The fields with leading and trailing spaces removed.
ReferralFields trimmedFields(const ReferralFields &fields);

// Checks already trimmed fields; the first failing check wins.
ReferralProblem referralProblem(const ReferralFields &fields);
// The message that tells the user about a problem; empty for None.
QString referralProblemText(ReferralProblem problem);

// The page address for the referral with taf1 to taf6 appended. Every value is
// percent-encoded as UTF-8, so no text the user types can end the address,
// add a parameter or change another one.
QString referralAddress(const ReferralFields &fields);

} // namespace palmora
