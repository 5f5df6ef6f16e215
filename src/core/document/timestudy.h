#pragma once
// The time study: header, the operation lists of the main and the sub
// spindle, and the sync table that ties a point of one list to a point of
// the other. One instance lives in the workspace; every routine works on it.

#include <QString>

#include <array>
#include <cstdint>

namespace arvex {

// Spindle numbers of the two operation lists.
inline constexpr int kMainSpindle = 1;
inline constexpr int kSubSpindle = 2;
// Places 1..100 of a list hold operations; place 101 is always blank and
// place 0 is the scratch copy of the list's last operation (the operation
// "before" the first one in the cycle).
inline constexpr int kMaxOperations = 100;
inline constexpr int kMaxSyncs = 30;

struct Operation {
  QString Group;  // comparison group, written by SortSyncs; not stored
  QString ToolNo;
  QString OpName;
  double Diameter = 0;
  std::int16_t SFM = 0;
  std::int16_t RPM = 0;
  double IPR = 0;
  double IPM = 0;
  double CutLength = 0;
  double CutTime = 0;  // derived from CutLength and IPM; not stored
  std::int16_t ExtraRapids = 0;
  std::int16_t SpindleIndexes = 0;
  std::int16_t Dwells = 0;
  QString OtherDesc;
  std::int16_t OtherSeconds = 0;
  QString ToolHolder;
  double IPT = 0;
  std::int16_t Teeth = 0;

  // Blank when both ToolNo and OpName are empty.
  bool IsBlank() const { return ToolNo.isEmpty() && OpName.isEmpty(); }
  // CutTime = CutLength / IPM x 60 when IPM > 0, else 0.
  void UpdateCutTime();
  bool operator==(const Operation&) const = default;
};

// CutLength / IPM x 60 seconds when IPM > 0, else 0.
double CutTimeOf(double cutLength, double ipm);

struct TimeStudyHeader {
  std::int16_t Metric = 0;  // -1 metric, 0 inch (any non-zero counts as metric)
  QString Customer;
  QString Engineer;
  QString PartName;
  QString PartNo;
  QString Material;
  QString MaterialSize;
  QString MaterialShape;  // "Round", "Ground", "Hex", "Square"
  QString PartLength;     // the length as its shortest number text
  QString Notes;
  QString MachineName;
  std::int16_t SubSpindleUsed = 0;    // 1 used, 0 not
  std::int16_t PartsCatcherUsed = 1;  // 1 used, 0 not; a new study starts with 1
  std::int16_t LegacySubStart = 0;    // old files only
  std::int16_t LegacySubEnd = 0;      // old files only

  bool IsMetric() const { return Metric != 0; }
  bool operator==(const TimeStudyHeader&) const = default;
};

class TimeStudy {
 public:
  using OperationList = std::array<Operation, kMaxOperations + 2>;  // places 0..101
  using SyncColumn = std::array<std::int16_t, kMaxSyncs + 2>;       // entries 0..31

  TimeStudyHeader Header;
  std::array<OperationList, 3> Ops;  // Ops[1] main, Ops[2] sub; Ops[0] unused
  std::int16_t MainOpCount = 0;
  std::int16_t SubOpCount = 0;
  std::array<SyncColumn, 3> Syncs{};  // Syncs[1][k] main, Syncs[2][k] sub
  std::int16_t SyncCount = 0;
  bool Dirty = false;
  QString FilePath;
  std::int16_t CurrentSpindle = kMainSpindle;
  std::int16_t EditMainOp = 1;
  std::int16_t EditSubOp = 1;

  TimeStudy();

  // Operation i of a spindle (1 main, 2 sub), places 0..101.
  Operation& Op(int spindle, int i) { return Ops[static_cast<size_t>(spindle)][static_cast<size_t>(i)]; }
  const Operation& Op(int spindle, int i) const {
    return Ops[static_cast<size_t>(spindle)][static_cast<size_t>(i)];
  }
  std::int16_t& Sync(int side, int k) { return Syncs[static_cast<size_t>(side)][static_cast<size_t>(k)]; }
  std::int16_t Sync(int side, int k) const {
    return Syncs[static_cast<size_t>(side)][static_cast<size_t>(k)];
  }
  // MainOpCount for spindle 1, SubOpCount for spindle 2.
  std::int16_t Count(int spindle) const { return spindle == kSubSpindle ? SubOpCount : MainOpCount; }

  // Clears header, lists and syncs as a new document does (PartsCatcherUsed
  // 1, FilePath "", Dirty false).
  void Clear();
  // Every place of both lists blank.
  void ClearOperations();
  void ClearSyncs();

  // The last place 1..100 of a spindle's list that is not blank; 0 when
  // the list is empty or the spindle is neither main nor sub.
  int LastUsedPlace(int spindle) const;
  // The counts from the contents: the last place that is not blank.
  void RecountOps();

  // Whether n operations can be inserted at place `at` of a spindle's list
  // without pushing an operation beyond place 100.
  bool CanInsert(int spindle, int at, int n) const;
  // Inserts n blank operations before place `at` of CurrentSpindle's list
  // and moves the syncs with the operations. Refused (false, nothing
  // changed) when an operation would be pushed beyond place 100 or the
  // arguments are outside the list. Does not recount or set Dirty.
  bool InsertOperations(int at, int n);
  // Removes operation n of CurrentSpindle's list; syncs after it move up.
  // Does not recount or set Dirty. False when n is outside 1..100.
  bool DeleteOperation(int n);
  // Exchanges operations i and i + 1 of a list; syncs stay. False when i is
  // outside 1..99.
  bool SwapOperations(int spindle, int i);
  // Appends a copy of operation n of spindle `from` to the other list.
  // Refused (false) when the other list already holds 100 operations or n is
  // not an operation. Recounts; does not set Dirty.
  bool CopyToOtherList(int from, int n);

  // Number of sync entries in use (main column values > 0).
  int SyncsInUse() const;

 private:
  void ClearList(int spindle);
};

}  // namespace arvex
