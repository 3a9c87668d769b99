#pragma once

#include <QString>

namespace palmora {

// A referral field shows its placeholder while it holds no entry. Spaces
// around a text do not count: they are trimmed when the referral is sent.

// Whether a field that gains the focus is emptied for the user's entry: it holds
// its placeholder (the comparison is case-sensitive).
bool clearsOnFocus(const QString &text, const QString &placeholder);
// Whether a field that loses the focus shows its placeholder again: it holds
// nothing but spaces.
bool showsPlaceholderOnLeave(const QString &text);

} // namespace palmora
