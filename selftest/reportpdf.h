#pragma once

#include "common/outcome.h"

#include <QDate>
#include <QString>

class QTextDocument;

namespace palmora {

// A report saved as a PDF file, for a computer that cannot print it: made by
// QPdfWriter, with no printer of any kind involved.

// "Palmora test results 2026-12-07.pdf": the name the save dialog proposes.
QString reportPdfFileName(QDate date);

// The folder the save dialog opens in: `documents` when it is a folder of the
// user's own that nobody else may write to, `home` otherwise. A file proposed in
// a folder others can write to could be replaced, or read through a link they
// put there, before the user noticed.
QString reportPdfFolder(const QString &documents, const QString &home);

// Writes the document to `filePath` as a PDF laid out as the printout is (same
// page, same fonts, text that can be selected), titled and naming its maker.
// The file is complete on disk before it replaces anything at that path; when
// the save fails, the path holds what it held before and no partial file is
// left. The path is judged as it is written (FileTrust) when the file is
// written: a link is followed when it and every part of where it leads pass,
// and otherwise nothing is written and the error names what failed. A new
// file is readable by the user alone; a file replaced keeps its permissions.
Outcome saveReportPdf(const QTextDocument &document, const QString &filePath);

} // namespace palmora
