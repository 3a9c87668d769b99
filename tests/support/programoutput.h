#pragma once

#include <QString>
#include <QStringList>

namespace palmora::testing {

// Runs a program to its end and returns what it wrote to its standard output,
// as UTF-8; a null string when it could not be run or did not end normally.
QString programOutput(const QString &program, const QStringList &arguments);

} // namespace palmora::testing
