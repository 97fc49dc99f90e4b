#include "strokesmoother.h"

#include <algorithm>
#include <cmath>

namespace {

// The binomial weights of a mean over 2 * reach + 1 points, and their sum.
constexpr int Weights[3][5] = {{1}, {1, 2, 1}, {1, 4, 6, 4, 1}};
constexpr int WeightSums[3] = {1, 4, 16};
static_assert(StrokeSmoother::Reach == 2, "the weights above cover a reach of 2");

int rounded(double v)
{
    return int(std::lround(std::clamp(v, -2147483648.0, 2147483647.0)));
}

} // namespace

void StrokeSmoother::begin(QPoint start)
{
    m_raw = {start};
}

qsizetype StrokeSmoother::append(QList<QPoint> &points, QPoint raw)
{
    m_raw.append(raw);
    if (m_raw.size() > 2 * Reach + 1)
        m_raw.removeFirst();
    points.append(raw);
    const qsizetype tip = points.size() - 1;
    qsizetype first = tip;
    for (qsizetype back = 1; back <= Reach; ++back) {
        const qsizetype index = tip - back;
        // The mean stays centred: it reaches no farther back than the stroke's start, and no
        // farther forward than the tip.
        const qsizetype reach = std::min({qsizetype(Reach), back, index});
        if (reach <= 0 || back + reach >= m_raw.size())
            break;
        const qsizetype centre = m_raw.size() - 1 - back;
        double x = 0, y = 0;
        for (qsizetype i = -reach; i <= reach; ++i) {
            const int w = Weights[reach][i + reach];
            x += double(w) * m_raw.at(centre + i).x();
            y += double(w) * m_raw.at(centre + i).y();
        }
        points[index] = QPoint(rounded(x / WeightSums[reach]), rounded(y / WeightSums[reach]));
        first = index;
    }
    return first;
}
