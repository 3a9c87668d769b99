#include "selftest/modulefile.h"

#include "common/filetrust.h"

#include <QFile>

#include <cstring>
#include <elf.h>
#include <link.h>

namespace palmora {

namespace {

using Header = ElfW(Ehdr);
using SegmentHeader = ElfW(Phdr);
using SectionHeader = ElfW(Shdr);

constexpr qint64 kMaxModuleBytes = qint64 {256} * 1024 * 1024;

// Whether `count` entries of `size` bytes from `offset` lie within `total`.
bool inside(quint64 offset, quint64 size, quint64 count, quint64 total)
{
    return offset <= total && (count == 0 || (size <= total && count <= (total - offset) / size));
}

// The processor the running program was built for, as its own file says.
ElfW(Half) ownMachine()
{
    static const ElfW(Half) machine = [] {
        QFile self(QStringLiteral("/proc/self/exe"));
        Header header {};
        if (!self.open(QIODevice::ReadOnly)
            || self.read(reinterpret_cast<char *>(&header), sizeof header) != qint64 {sizeof header})
            return ElfW(Half) {EM_NONE};
        return header.e_machine;
    }();
    return machine;
}

} // namespace

QString ModuleFile::whyNotWhole(const QByteArray &bytes)
{
    QString damaged = tr("It is damaged or incomplete: it is not a whole program library.");
    Header header {};
    if (bytes.size() < qsizetype {sizeof header} || !bytes.startsWith(ELFMAG))
        return damaged;
    std::memcpy(&header, bytes.constData(), sizeof header);
    const bool ownKind = header.e_ident[EI_CLASS] == (sizeof(void *) == 8 ? ELFCLASS64 : ELFCLASS32)
        && header.e_ident[EI_DATA] == (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? ELFDATA2LSB : ELFDATA2MSB);
    const ElfW(Half) machine = ownMachine();
    if (!ownKind || (machine != EM_NONE && header.e_machine != machine))
        return tr("It was built for another kind of computer.");
    if (header.e_type != ET_DYN)
        return tr("It is a program file, but not a program library.");

    const auto total = static_cast<quint64>(bytes.size());
    if (header.e_phentsize != sizeof(SegmentHeader)
        || !inside(header.e_phoff, sizeof(SegmentHeader), header.e_phnum, total))
        return damaged;
    if (header.e_shoff != 0
        && (header.e_shentsize != sizeof(SectionHeader)
            || !inside(header.e_shoff, sizeof(SectionHeader), header.e_shnum, total)))
        return damaged;
    bool loadable = false;
    for (ElfW(Half) i = 0; i < header.e_phnum; ++i) {
        SegmentHeader segment {};
        std::memcpy(&segment, bytes.constData() + header.e_phoff + i * sizeof segment, sizeof segment);
        if (segment.p_type == PT_LOAD)
            loadable = true;
        // Every part the loader maps or reads has to be in the file: mapping
        // past its end ends the program with a bus error.
        if (segment.p_filesz != 0 && !inside(segment.p_offset, segment.p_filesz, 1, total))
            return damaged;
    }
    return loadable ? QString() : damaged;
}

QString ModuleFile::whyNotLoadable(const QString &path)
{
    if (const QString untrusted = FileTrust::whyUntrusted(path); !untrusted.isEmpty())
        return tr("It may have been put there by someone else: %1").arg(untrusted);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() > kMaxModuleBytes)
        return tr("It is far larger than a program library of this program.");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return whyNotWhole(bytes);
}

} // namespace palmora
