#include "cutting/materiallists.h"

#include "cutting/cuttingdatabase.h"
#include "platform/numtext.h"
#include "workspace.h"

#include <algorithm>

namespace arvex {

namespace {
const QString kSeparator = QStringLiteral(" - ");
}  // namespace

int GroupCount(const MaterialLists& lists) { return static_cast<int>(lists.GroupNames.size()) - 1; }

int MaterialCount(const MaterialLists& lists) {
  return static_cast<int>(std::min<qsizetype>(lists.MaterialNames.size(),
                                              static_cast<qsizetype>(lists.MaterialGroups.size()))) -
         1;
}

QString GroupName(const MaterialLists& lists, int group) {
  if (group < 1 || group > GroupCount(lists)) return {};
  return lists.GroupNames[group];
}

QString MaterialDisplayText(const MaterialLists& lists, int material) {
  if (material < 1 || material > MaterialCount(lists)) return {};
  return lists.MaterialNames[material] + kSeparator + GroupName(lists, lists.MaterialGroups[material]);
}

QStringList MaterialDisplayTexts(const MaterialLists& lists) {
  QStringList out;
  const int n = MaterialCount(lists);
  out.reserve(n);
  for (int i = 1; i <= n; ++i) out << MaterialDisplayText(lists, i);
  return out;
}

int GroupOfDisplayText(const MaterialLists& lists, const QString& text) {
  const qsizetype at = text.indexOf(kSeparator);
  if (at < 0) return 0;
  const QString name = text.mid(at + kSeparator.size());
  const int n = GroupCount(lists);
  for (int g = 1; g <= n; ++g) {
    if (lists.GroupNames[g] == name) return g;
  }
  return 0;
}

std::optional<int> GroupOfMaterialEntry(const MaterialLists& lists, const QString& text) {
  const int n = MaterialCount(lists);
  for (int i = 1; i <= n; ++i) {
    if (MaterialDisplayText(lists, i) != text) continue;
    const int g = lists.MaterialGroups[i];
    return g >= 1 && g <= GroupCount(lists) ? g : 0;
  }
  return std::nullopt;
}

bool LoadMaterialLists(const CuttingDatabase& db, MaterialLists* lists, QString* error, QString* warning) {
  *lists = MaterialLists();
  if (warning) warning->clear();
  QStringList groups;
  std::vector<MaterialRow> materials;
  if (!db.ReadGroupNames(&groups, error) || !db.ReadMaterials(&materials, error)) return false;
  MaterialLists loaded;
  if (groups.size() > kMaxMaterialGroups) {
    if (warning) {
      *warning = QStringLiteral("The cutting-data database holds ") + NumberText(static_cast<double>(groups.size())) +
                 QStringLiteral(" material groups; only the first ") + NumberText(double{kMaxMaterialGroups}) +
                 QStringLiteral(" can be used.");
    }
    groups.resize(kMaxMaterialGroups);
  }
  loaded.GroupNames << groups;
  loaded.MaterialNames.reserve(static_cast<qsizetype>(materials.size()) + 1);
  loaded.MaterialGroups.reserve(materials.size() + 1);
  for (const MaterialRow& m : materials) {
    loaded.MaterialNames << m.MatName;
    loaded.MaterialGroups.push_back(m.GrpIndex >= 0 && m.GrpIndex <= kMaxMaterialGroups
                                        ? static_cast<std::int16_t>(m.GrpIndex)
                                        : std::int16_t{0});
  }
  *lists = std::move(loaded);
  return true;
}

bool LoadMaterialListsAtStartUp(Workspace& ws, QString* error, QString* warning) {
  ws.Materials = MaterialLists();
  CuttingDatabase db;
  if (!db.Open(ws.AppFolder, error)) return false;
  return LoadMaterialLists(db, &ws.Materials, error, warning);
}

}  // namespace arvex
