#pragma once

#include <QCoreApplication>
#include <QString>

namespace palmora {

// What a program library must be before the program loads it. Loading runs the
// library's code at once, and a file cut short makes the loader itself crash, so
// both who could have put the file there and the file's shape are checked first.
class ModuleFile {
    Q_DECLARE_TR_FUNCTIONS(ModuleFile)
public:
    // Why the library at `path` is not loaded; empty when it may be. It may be
    // when it is trusted (see FileTrust), and it is a whole shared library for
    // this computer: an ELF shared object of this program's kind and processor,
    // all of whose parts lie within the file.
    static QString whyNotLoadable(const QString &path);

    // The same check of the shape alone, on a library's bytes.
    static QString whyNotWhole(const QByteArray &bytes);
};

} // namespace palmora
