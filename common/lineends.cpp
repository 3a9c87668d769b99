#include "common/lineends.h"

namespace palmora {

QString toLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString toCrLf(QString text)
{
    for (const QChar end :
         {QChar(QLatin1Char('\n')), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        text.replace(end, QLatin1String("\r\n"));
    return text;
}

} // namespace palmora
