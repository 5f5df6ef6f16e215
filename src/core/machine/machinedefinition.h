#pragma once
// The loaded machine: tool posts and their tools, index and spindle times,
// the non-cutting times of the cycle, setup times, bar data, holder names
// and the tooling images. Lengths are inches, or millimetres once loaded
// into a metric study; times are seconds, setup times minutes.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace arvex {

// Tool post codes: main spindle posts 1 and 2, sub spindle posts 1 and 2.
inline constexpr int kNoPost = 0;
inline constexpr int kMainPost1 = 11;
inline constexpr int kMainPost2 = 12;
inline constexpr int kSubPost1 = 21;
inline constexpr int kSubPost2 = 22;

// The live spindle (1..4) that drives the live tools of a post: 1 main post
// 1, 2 main post 2, 3 sub post 1, 4 sub post 2; 0 for no post.
constexpr int LiveSpindleOfPost(int postCode) {
  switch (postCode) {
    case kMainPost1: return 1;
    case kMainPost2: return 2;
    case kSubPost1: return 3;
    case kSubPost2: return 4;
    default: return 0;
  }
}

// The tool that the loader appends to the sub spindle's first post.
inline const QString kEjectPartTool = QStringLiteral("Eject Part");

// A main or sub spindle with its two tool posts. The main-only and sub-only
// fields are present in both; the file gives each spindle its own keys.
struct SpindleRecord {
  QString Tools1;
  double Time1to1 = 0;
  std::int16_t ToolSetTime1 = 0;
  QString Tools2;
  double Time2to2 = 0;
  std::int16_t ToolSetTime2 = 0;
  double Time1to2 = 0;
  std::int16_t MaxSplSpeed = 0;
  double SplStartStop = 0;
  double SplChange3k = 0;
  double SplForRev = 0;
  double SplRef = 0;
  double SplIndex = 0;
  // main spindle only
  double CatchFrMain = 0;
  QString OtherDesc1;
  double OtherTime1 = 0;
  QString Other1BeginEnd;
  QString OtherDesc2;
  double OtherTime2 = 0;
  QString Other2BeginEnd;
  double ColletOpenClose = 0;
  double HeadstockStroke = 0;
  double RapidMultZ = 0;
  QString RapidZBeginEnd;
  double RapidMultExtra = 0;
  double RemnantLength = 0;
  std::int16_t SetUpTime = 0;
  // sub spindle only
  double CatchFrSub = 0;
  double TransferFrMain = 0;

  bool operator==(const SpindleRecord&) const = default;
};

// A live-tool drive: 1 on main post 1, 2 on main post 2, 3 on sub post 1,
// 4 on sub post 2.
struct LiveSpindleRecord {
  std::int16_t MaxSplSpeed = 0;
  double SplStartStop = 0;
  double SplChange3k = 0;
  double SplForRev = 0;
  QString Name;

  bool operator==(const LiveSpindleRecord&) const = default;
};

struct MachineDefinition {
  // Name of the file the definition was loaded from ("" when none).
  QString LoadedName;
  // The five lengths (HeadstockStroke, RapidMultZ, RemnantLength,
  // CutOffWidth, BarLengthInch) were converted to millimetres on loading
  // into a metric study; the file itself always holds inches.
  bool LengthsInMillimetres = false;

  std::int16_t HasSubSpindle = 0;
  std::int16_t HasLiveTools = 0;
  SpindleRecord MainSpindle;
  SpindleRecord SubSpindle;
  LiveSpindleRecord LiveSpindle1;
  LiveSpindleRecord LiveSpindle2;
  LiveSpindleRecord LiveSpindle3;
  LiveSpindleRecord LiveSpindle4;
  std::int16_t BarLoadTimeSec = 0;
  float BarLengthInch = 0;
  float CutOffWidth = 0;
  QString MainToolImage;
  QString SubToolImage;
  // Holder names, slots 1..30 ("" = empty slot); slot 0 unused.
  std::array<QString, 31> ODHolders;
  std::array<QString, 31> IDHolders;
  std::array<QString, 31> LiveHolders;
  // The four tool strings split at commas: position 0 is always empty,
  // position 1 is the post's name, positions 2.. the tool numbers.
  QStringList MainTools1List{QString()};
  QStringList MainTools2List{QString()};
  QStringList SubTools1List{QString()};
  QStringList SubTools2List{QString()};

  // Live spindle 1..4.
  LiveSpindleRecord& LiveSpindle(int n);
  const LiveSpindleRecord& LiveSpindle(int n) const;
  // Splits the four tool strings (MainSpindle.Tools1/Tools2,
  // SubSpindle.Tools1/Tools2) into the four tool lists.
  void SplitToolLists();
  // The tool list of a post code (11, 12, 21, 22); an empty list otherwise.
  const QStringList& ToolList(int postCode) const;

  bool operator==(const MachineDefinition&) const = default;
};

// The post code of a tool number on a spindle: spindle 1 searches main post
// 1 then main post 2 (11, 12), spindle 2 sub post 1 then sub post 2 (21,
// 22), from position 1 on (the post name is compared too), exact and
// case-sensitive. 0 when not found or for any other spindle.
int FindToolPost(const MachineDefinition& machine, const QString& toolNo, int spindle);

// Splits a tool string at every comma into positions 1..n+1 (position 0
// empty); fields are not trimmed; "" gives one empty field.
QStringList SplitToolString(const QString& tools);

}  // namespace arvex
