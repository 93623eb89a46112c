#pragma once

#include <QList>

#include <functional>

namespace brivane::bench {

// Milliseconds of a series of runs.
struct Summary
{
    double median = 0;
    double min = 0;
    double max = 0;
    int runs = 0;
};

Summary summarize(QList<double> milliseconds);

// Runs `body` `warmups` times untimed (to fill the caches and prepare the
// statements), then `runs` times, each timed on its own with QElapsedTimer.
Summary measure(int warmups, int runs, const std::function<void()>& body);

} // namespace brivane::bench
