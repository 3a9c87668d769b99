#pragma once

#include <cstdint>
#include <random>

namespace palmora {

// Values uniform in [0, 1). Test draws and the exit screen's appeal take every
// value from one of these; tests substitute a scripted one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double uniform() = 0;
};

// A Mersenne Twister initialised once from the system's entropy source. It is
// never restarted, so consecutive draws never repeat because the clock stood still.
class GeneratorRandomSource final : public RandomSource {
public:
    GeneratorRandomSource();
    explicit GeneratorRandomSource(std::uint64_t initialState);
    double uniform() override;

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_distribution {0.0, 1.0};
};

// A whole number in [0, n), floor(n * u) for the source's next u in [0, 1);
// clamped so that a source returning 1.0 by mistake never indexes past the end.
int drawBelow(int n, RandomSource &random);

} // namespace palmora
