#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace arvex {

class CuttingDatabase;
struct Workspace;

// The material lists read from the cutting-data database at start-up, for
// the header window. Entries are numbered from 1 as the rows were read;
// index 0 of each list is unused.
struct MaterialLists {
  QStringList GroupNames{QString()};
  QStringList MaterialNames{QString()};
  std::vector<std::int16_t> MaterialGroups{0};
};

// Group numbers are 16-bit (`MaterialGroupIndex`), so at most this many
// groups can be listed. Materials have no limit.
inline constexpr int kMaxMaterialGroups = 32767;

int GroupCount(const MaterialLists& lists);
int MaterialCount(const MaterialLists& lists);
// The name of group number `group`; "" when there is no such group.
QString GroupName(const MaterialLists& lists, int group);

// The material display text of material i (1-based): MaterialNames(i) +
// " - " + the name of its group ("" when its group is not listed).
QString MaterialDisplayText(const MaterialLists& lists, int material);
// The display texts of materials 1..n in order (list entry 0 is material 1).
QStringList MaterialDisplayTexts(const MaterialLists& lists);

// The group of a display text read as text alone: everything after its
// first " - ", looked up in GroupNames (first exact match). 0 when the text
// has no " - " or the name is not a group.
int GroupOfDisplayText(const MaterialLists& lists, const QString& text);

// The group of the material entry equal to text (the first such entry from
// the top): the group number the material itself stores, or 0 when that is
// not a listed group. nullopt when no entry equals text. Because the
// material's own number is used, a material name containing " - " and two
// groups of the same name resolve to the right group.
std::optional<int> GroupOfMaterialEntry(const MaterialLists& lists, const QString& text);

// Reads the lists from an open database: every group in table order (up to
// kMaxMaterialGroups) and every material with its group number (a number
// that is no 16-bit value is kept as 0). On failure the lists are left
// empty and *error says why. When groups had to be left out, returns true
// with *warning naming how many were listed.
bool LoadMaterialLists(const CuttingDatabase& db, MaterialLists* lists, QString* error, QString* warning = nullptr);

// Start-up: opens the database of ws.AppFolder (created from the seed when
// missing), loads ws.Materials and closes it again. A failure leaves the
// lists empty and returns false with *error set; the program goes on.
bool LoadMaterialListsAtStartUp(Workspace& ws, QString* error, QString* warning = nullptr);

}  // namespace arvex
