#pragma once

#include <QDate>
#include <QString>

namespace brivane::bench {

inline constexpr int kDefaultTaskCount = 100000;

// The date the generated tasks are spread around and the benchmark queries.
// Fixed, so every run measures the same rows. A Tuesday in a 31-day month.
QDate referenceDate();

// Creates home/myarcs/boarc.abs with the full table layout and `count` tasks
// of every kind, inserted in one transaction through one prepared INSERT.
// The rows depend only on `count` (fixed random seed). Day pieces are
// written with the default QLocale, so pin it before calling. Refuses an
// archive file that already exists.
bool generateArchive(const QString& home, int count, QString* error);

} // namespace brivane::bench
