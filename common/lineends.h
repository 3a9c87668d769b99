#pragma once

#include <QString>

namespace palmora {

// The program's texts and files end their lines in CR LF; Qt's labels, message
// boxes and text documents take a line break as LF and give one back as LF or
// as a paragraph or line separator.

// CR LF, and a lone CR, become LF.
QString toLineFeeds(QString text);
// LF and the paragraph and line separators become CR LF. For text read from a
// widget or document, which holds no CR.
QString toCrLf(QString text);

} // namespace palmora
