#include "web/placeholderrule.h"

#include "common/trimspaces.h"

namespace palmora {

bool clearsOnFocus(const QString &text, const QString &placeholder)
{
    return trimSpaces(text) == placeholder;
}

bool showsPlaceholderOnLeave(const QString &text)
{
    return trimSpaces(text).isEmpty();
}

} // namespace palmora
