#include "machine/machinedefinition.h"

namespace arvex {

LiveSpindleRecord& MachineDefinition::LiveSpindle(int n) {
  switch (n) {
    case 1: return LiveSpindle1;
    case 2: return LiveSpindle2;
    case 3: return LiveSpindle3;
    default: return LiveSpindle4;
  }
}

const LiveSpindleRecord& MachineDefinition::LiveSpindle(int n) const {
  return const_cast<MachineDefinition*>(this)->LiveSpindle(n);
}

void MachineDefinition::SplitToolLists() {
  MainTools1List = SplitToolString(MainSpindle.Tools1);
  MainTools2List = SplitToolString(MainSpindle.Tools2);
  SubTools1List = SplitToolString(SubSpindle.Tools1);
  SubTools2List = SplitToolString(SubSpindle.Tools2);
}

const QStringList& MachineDefinition::ToolList(int postCode) const {
  static const QStringList kEmpty;
  switch (postCode) {
    case kMainPost1: return MainTools1List;
    case kMainPost2: return MainTools2List;
    case kSubPost1: return SubTools1List;
    case kSubPost2: return SubTools2List;
    default: return kEmpty;
  }
}

int FindToolPost(const MachineDefinition& machine, const QString& toolNo, int spindle) {
  auto inList = [&](const QStringList& list) {
    for (qsizetype i = 1; i < list.size(); ++i)
      if (list[i] == toolNo) return true;
    return false;
  };
  if (spindle == 1) {
    if (inList(machine.MainTools1List)) return kMainPost1;
    if (inList(machine.MainTools2List)) return kMainPost2;
  } else if (spindle == 2) {
    if (inList(machine.SubTools1List)) return kSubPost1;
    if (inList(machine.SubTools2List)) return kSubPost2;
  }
  return kNoPost;
}

QStringList SplitToolString(const QString& tools) {
  QStringList list{QString()};
  list.append(tools.split(u','));
  return list;
}

}  // namespace arvex
