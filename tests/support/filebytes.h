#pragma once

#include <QByteArray>
#include <QString>

namespace palmora::testing {

// A file's bytes, or "<unreadable>" when it cannot be opened.
QByteArray readAllBytes(const QString &path);
// Writes the bytes as the whole file; fails the running test when it cannot.
void writeAllBytes(const QString &path, const QByteArray &bytes);
// Makes a FIFO, a file that blocks whoever opens it until a writer comes.
bool makeFifo(const QString &path);

} // namespace palmora::testing
