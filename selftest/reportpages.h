#pragma once

#include <QTextFormat>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace palmora {

// The name a printed report goes by: the print job's name and a PDF's title.
inline constexpr char kReportTitle[] = "Palmora Test Results";

// A block format property: the block starts no page's foot alone, it goes to
// the next page with the first line of the block after it.
inline constexpr int kKeepWithNext = QTextFormat::UserProperty + 1;

// Paints every page of the document on a printer or a PDF file through
// `painter`, which the caller has begun on `device`: the document is laid out at
// the device's resolution, one page body at a time, in its own fonts, black on
// white, without page numbers. A block marked kKeepWithNext that would end a
// page moves to the next one with what follows it. False when the device would not start a new page.
bool paintDocumentPages(const QTextDocument &document, QPagedPaintDevice &device, QPainter &painter);

} // namespace palmora
