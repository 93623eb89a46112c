#pragma once

#include <QString>

namespace brivane::platform {

// The name a save dialog returns, completed with the extension of the file
// type the user chose ("CSV files (*.csv)" adds ".csv") when the typed name
// has none. A type of every file ("*" or "*.*") adds nothing, and neither
// does a name that already has an extension.
QString withTypeExtension(const QString& path, const QString& selectedFilter);

// The first entry of a filter list ("A (*.a);;B (*.b)" gives "A (*.a)").
QString firstFilter(const QString& filters);

} // namespace brivane::platform
