#include "Timing.h"

#include <QElapsedTimer>

#include <algorithm>

namespace brivane::bench {

Summary summarize(QList<double> milliseconds)
{
    Summary summary;
    summary.runs = int(milliseconds.size());
    if (milliseconds.isEmpty())
        return summary;
    std::sort(milliseconds.begin(), milliseconds.end());
    const qsizetype middle = milliseconds.size() / 2;
    summary.median = milliseconds.size() % 2 != 0 ? milliseconds[middle]
                                                  : (milliseconds[middle - 1] + milliseconds[middle]) / 2;
    summary.min = milliseconds.first();
    summary.max = milliseconds.last();
    return summary;
}

Summary measure(int warmups, int runs, const std::function<void()>& body)
{
    for (int i = 0; i < warmups; ++i)
        body();
    QList<double> milliseconds;
    milliseconds.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        body();
        milliseconds << double(timer.nsecsElapsed()) / 1e6;
    }
    return summarize(milliseconds);
}

} // namespace brivane::bench
