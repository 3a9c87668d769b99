#pragma once

#include <QString>

namespace palmora {

// What became of something asked of a file: done, or not and why, in a
// sentence for the user. A result that carries more derives from it.
struct Outcome {
    bool ok = false;
    QString error;

    static Outcome done() { return {true, {}}; }
    static Outcome failed(QString why) { return {false, std::move(why)}; }
};

} // namespace palmora
