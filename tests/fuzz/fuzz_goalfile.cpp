// Reads arbitrary bytes as a goal file: never crashes, and a note written back
// and read again gives the same text.
#include "goals/goalfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = palmora::goalTextFromBytes(bytes);
    const QString saved = palmora::trimSpaces(text);
    const QByteArray written = palmora::goalBytesFromText(saved);
    if (palmora::goalTextFromBytes(written) != saved)
        std::abort();
    if (palmora::goalBytesFromText(palmora::goalTextFromBytes(written)) != written)
        std::abort();
    return 0;
}
