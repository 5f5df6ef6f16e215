#include "autoset/toolpositions.h"

#include "document/timestudy.h"
#include "machine/machinedefinition.h"
#include "workspace.h"

#include <QFileInfo>

namespace arvex {

namespace {

void AppendPost(QStringList& entries, const QStringList& post, const TimeStudy& study, int spindle) {
  if (post.size() < 2) return;
  entries.append(u'(' + post[1] + u')');
  // Taken from the contents, so that a stale count cannot hide an operation.
  const int count = study.LastUsedPlace(spindle);
  for (qsizetype t = 2; t < post.size(); ++t) {
    const QString& tool = post[t];
    QString name;
    for (int i = 1; i <= count; ++i) {
      const Operation& op = study.Op(spindle, i);
      if (op.ToolNo == tool) name = op.OpName;
    }
    entries.append(tool + u'-' + name);
  }
}

}  // namespace

QStringList ToolPositionEntries(const TimeStudy& study, const MachineDefinition& machine, int spindle) {
  QStringList entries;
  if (spindle == kSubSpindle) {
    AppendPost(entries, machine.SubTools1List, study, kSubSpindle);
    AppendPost(entries, machine.SubTools2List, study, kSubSpindle);
  } else {
    AppendPost(entries, machine.MainTools1List, study, kMainSpindle);
    AppendPost(entries, machine.MainTools2List, study, kMainSpindle);
  }
  return entries;
}

QString ToolNumberOfEntry(const QString& entry) {
  const qsizetype dash = entry.indexOf(u'-');
  if (dash <= 0) return entry;
  return entry.left(dash);
}

QString ToolImagePath(const MachineDefinition& machine, int spindle, const QString& appFolder) {
  const QString& name = spindle == kSubSpindle ? machine.SubToolImage : machine.MainToolImage;
  if (!name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\')) return appFolder + name;
  return name;
}

QString ToolImageCaption(int spindle) {
  return spindle == kSubSpindle ? QStringLiteral("Sub Spindle Tool Layout") : QStringLiteral("Main Spindle Tool Layout");
}

QString MissingToolImageMessage(const QString& path) {
  return QStringLiteral("The image file ") + path +
         QStringLiteral(" does not exist or is corrupt! Please use Machine Settings to choose another image file.");
}

std::optional<QString> ToolImageToShow(const Workspace& workspace, int spindle, Prompter& prompter) {
  const QString path = ToolImagePath(workspace.Machine, spindle, workspace.AppFolder);
  if (path.isEmpty() || !QFileInfo(path).isFile()) {
    prompter.ShowMessage(MissingToolImageMessage(path));
    return std::nullopt;
  }
  return path;
}

}  // namespace arvex
