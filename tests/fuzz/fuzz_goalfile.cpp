// Reads arbitrary bytes as a goal file: never crashes, and a note written back
// and read again gives the same text.
#include "goals/goalfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = palmora::goal_text_from_bytes(bytes);
    const QString saved = palmora::trim_spaces(text);
    const QByteArray written = palmora::goal_bytes_from_text(saved);
    if (palmora::goal_text_from_bytes(written) != saved)
        std::abort();
    if (palmora::goal_bytes_from_text(palmora::goal_text_from_bytes(written)) != written)
        std::abort();
    return 0;
}
