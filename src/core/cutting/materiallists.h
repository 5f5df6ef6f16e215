#pragma once

#include <QStringList>

#include <cstdint>
#include <vector>

namespace arvex {

// The material lists read from the cutting-data database at start-up, for
// the header window. Entries are numbered from 1 as the rows were read;
// index 0 of each list is unused.
struct MaterialLists {
  QStringList GroupNames{QString()};
  QStringList MaterialNames{QString()};
  std::vector<std::int16_t> MaterialGroups{0};
};

}  // namespace arvex
