#pragma once

#include "common/randomsource.h"

#include <QList>

namespace palmora::testing {

// Plays back a script of values in [0, 1); when the script runs out it keeps
// returning the fallback value.
class ScriptedRandomSource final : public RandomSource {
public:
    explicit ScriptedRandomSource(QList<double> script = {}, double fallback = 0.0)
        : m_script(std::move(script))
        , m_fallback(fallback)
    {
    }

    void append(double u) { m_script.append(u); }
    // Appends the value that a draw of floor(n * u) turns into k.
    void appendIndex(int k, int n) { m_script.append((k + 0.5) / n); }
    int remaining() const { return static_cast<int>(m_script.size()); }
    int drawn() const { return m_drawn; }

    double uniform() override
    {
        ++m_drawn;
        return m_script.isEmpty() ? m_fallback : m_script.takeFirst();
    }

private:
    QList<double> m_script;
    double m_fallback;
    int m_drawn = 0;
};

} // namespace palmora::testing
