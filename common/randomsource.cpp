#include "common/randomsource.h"

#include <QRandomGenerator>

#include <cmath>

namespace palmora {

GeneratorRandomSource::GeneratorRandomSource()
    : m_engine(QRandomGenerator::system()->generate64())
{
}

GeneratorRandomSource::GeneratorRandomSource(std::uint64_t initialState)
    : m_engine(initialState)
{
}

double GeneratorRandomSource::uniform()
{
    double u = m_distribution(m_engine);
    // uniform_real_distribution may return the upper bound through rounding.
    return u < 1.0 ? u : 0.0;
}

int drawBelow(int n, RandomSource &random)
{
    const int k = static_cast<int>(std::floor(n * random.uniform()));
    return k < 0 ? 0 : (k >= n ? n - 1 : k);
}

} // namespace palmora
