#pragma once

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace palmora {

// The name a printed report goes by: the print job's name and a PDF's title.
inline constexpr char kReportTitle[] = "Palmora Test Results";

// Paints every page of the document on a printer or a PDF file through
// `painter`, which the caller has begun on `device`: the document is laid out at
// the device's resolution, one page body at a time, in its own fonts, black on
// white, without page numbers. False when the device would not start a new page.
bool paintDocumentPages(const QTextDocument &document, QPagedPaintDevice &device, QPainter &painter);

} // namespace palmora
