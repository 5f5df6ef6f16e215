#include "document/rvxfile.h"

#include "document/timestudy.h"
#include "platform/scriptedprompter.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

QByteArray Lines(const QList<QByteArray>& lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}

// A header line of the current format: the machine, the four numbers
// (sub spindle used, parts catcher, legacy sub start and end), empty texts.
QByteArray Head(const char* machine = "M", const char* numbers = "1,1,0,0") {
  return QByteArray("\"RVX-v119\",\"") + machine + "\"," + numbers +
         ",\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\",0";
}

// An operation line of the current format (16 items; 14 for `legacy`).
QByteArray TurnLine(const char* tool = "T01", bool legacy = false) {
  return QByteArray("\"") + tool + "\",\"Turn\",\"\",.5,300,2291,.002,4.582,1.5,0,0,0,\"\",0" + (legacy ? "" : ",0,0");
}

TimeStudy Parse(const QByteArray& bytes, TimeStudyParseReport* report = nullptr) {
  TimeStudy s;
  const TimeStudyParseReport r = ParseTimeStudy(bytes, &s);
  if (report) *report = r;
  return s;
}

QByteArray Serialize(const TimeStudy& s) {
  QByteArray bytes;
  QString problem;
  EXPECT_TRUE(SerializeTimeStudy(s, &bytes, &problem)) << problem.toStdString();
  return bytes;
}

Operation TurnOp(const QString& tool) {
  return {.ToolNo = tool, .OpName = "Turn", .Diameter = .5, .SFM = 300, .RPM = 2291, .IPR = .002, .IPM = 4.582,
          .CutLength = 1.5};
}

// The sync table as "main:sub" pairs of the entries 0..31 that are not 0:0.
QString SyncText(const TimeStudy& s) {
  QStringList pairs;
  for (int k = 0; k <= kMaxSyncs + 1; ++k)
    if (s.Sync(1, k) || s.Sync(2, k)) pairs << QStringLiteral("%1:%2").arg(s.Sync(1, k)).arg(s.Sync(2, k));
  return pairs.join(' ');
}

}  // namespace

// ---- Writing ------------------------------------------------------------------

TEST(RvxWriteTest, OneMainOperationGivesTheSixLineFileAndReadsBack) {
  TimeStudy s;
  s.Header.MachineName = QStringLiteral("SH12-Main");
  s.Header.MaterialShape = QStringLiteral("Round");
  s.Op(kMainSpindle, 1) = TurnOp(QStringLiteral("T01"));
  const QString text = "\"RVX-v119\",\"SH12-Main\",0,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\",0\r\n"
                       "1\r\n"
                       "\"T01\",\"Turn\",\"\",.5,300,2291,.002,4.582,1.5,0,0,0,\"\",0,0,0\r\n"
                       "0\r\n"
                       "0\r\n"
                       "0\r\n";
  EXPECT_EQ(TimeStudyText(s), text);
  const TimeStudy back = Parse(text.toLatin1());
  EXPECT_EQ(back.Header, s.Header);
  EXPECT_EQ(back.MainOpCount, 1);
  EXPECT_EQ(back.SubOpCount, 0);
  EXPECT_DOUBLE_EQ(back.Op(kMainSpindle, 1).CutTime, 1.5 / 4.582 * 60);
  EXPECT_EQ(SyncText(back), "");

  // Counts follow the contents; a blank place inside a list is kept.
  s.Op(kMainSpindle, 3) = TurnOp("T03");
  s.MainOpCount = 77;
  const TimeStudy gap = Parse(Serialize(s));
  EXPECT_EQ(gap.MainOpCount, 3);
  EXPECT_TRUE(gap.Op(kMainSpindle, 2).IsBlank());
  EXPECT_EQ(gap.Op(kMainSpindle, 3).ToolNo, "T03");
}

TEST(RvxWriteTest, SyncLinesEndAtTheFirstZeroOrAfterThirtyValues) {
  TimeStudy s;
  EXPECT_TRUE(TimeStudyText(s).endsWith("0\r\n0\r\n0\r\n0\r\n"));
  s.Sync(1, 1) = 1, s.Sync(1, 2) = 5;
  s.Sync(2, 1) = 1, s.Sync(2, 2) = 3, s.Sync(2, 3) = 4;  // the sub column is written to its own first 0
  EXPECT_TRUE(TimeStudyText(s).endsWith("\r\n1,5,0\r\n1,3,4,0\r\n"));
  QStringList main, sub;
  for (int k = 1; k <= kMaxSyncs; ++k) {
    s.Sync(1, k) = static_cast<std::int16_t>(k);
    s.Sync(2, k) = static_cast<std::int16_t>(k + 1);
    main << QString::number(k);
    sub << QString::number(k + 1);
  }
  EXPECT_TRUE(TimeStudyText(s).endsWith("\r\n" + main.join(',') + ",0\r\n" + sub.join(',') + ",0\r\n"));
}

TEST(RvxWriteTest, WriteRecountsClearsDirtyAndLeavesFilePathToTheCaller) {
  TempAppFolder folder;
  ScriptedPrompter prompter;
  TimeStudy s;
  s.Op(kMainSpindle, 1) = TurnOp("T01");
  s.Op(kSubSpindle, 1) = TurnOp("T21");
  s.Dirty = true;
  s.FilePath = QStringLiteral("elsewhere.rvx");
  ASSERT_TRUE(WriteTimeStudy(s, folder.FilePath("a.rvx"), prompter));
  EXPECT_EQ(s.MainOpCount, 1);
  EXPECT_EQ(s.SubOpCount, 1);
  EXPECT_FALSE(s.Dirty);
  EXPECT_EQ(s.FilePath, "elsewhere.rvx");
  EXPECT_TRUE(prompter.Entries().isEmpty());
  EXPECT_EQ(folder.Read("a.rvx"), TimeStudyText(s).toLatin1());
}

TEST(RvxWriteTest, TextsAFileCannotStoreFailTheSaveAndKeepTheOldFile) {
  TempAppFolder folder;
  folder.Write("a.rvx", "old contents\r\n");
  ScriptedPrompter prompter;
  TimeStudy s;
  s.Header.Notes = QStringLiteral("Ra ≤ 0.8");
  s.Op(kMainSpindle, 2) = TurnOp("T02");
  s.Op(kMainSpindle, 2).OpName = QStringLiteral("Turn Ø10 ± .01 → done");
  s.Dirty = true;
  EXPECT_FALSE(WriteTimeStudy(s, folder.FilePath("a.rvx"), prompter));
  ASSERT_EQ(prompter.Entries().size(), 1);
  EXPECT_EQ(prompter.Entries()[0].Icon, MessageIcon::Exclamation);
  EXPECT_EQ(prompter.Entries()[0].Caption, "Arvex");
  // Ø and ± are Windows-1252; ≤ and → are not.
  EXPECT_EQ(prompter.Messages()[0],
            QStringLiteral("The time study was not saved: a time-study file cannot store double quotes or "
                           "characters outside Windows-1252, and the notes text holds \"≤\" (U+2264); the "
                           "description of main operation 2 holds \"→\" (U+2192). Replace them and save again."));
  EXPECT_EQ(folder.Read("a.rvx"), QByteArray("old contents\r\n"));
  EXPECT_TRUE(s.Dirty);
  // A double quote is refused the same way (the convert command's test).
}

// ---- Reading the format generations -------------------------------------------

TEST(RvxReadTest, Version107HasShortOperationsAndLegacySyncs) {
  TimeStudyParseReport report;
  TimeStudy s = Parse(Lines({
                          "\"RVX-v107\",\"SH32-SubLive\",1,1,3,5,\"C\",\"E\",\"N\",\"No\",\"M\",\"S\",\"Round\",\"1\",\"\"",
                          "6",
                          "\"T01\",\"Face\",\"H\",.75,350,1782,.004,7.128,.9,1,0,0,\"\",0",
                          TurnLine("T02", true),
                          TurnLine("T03", true),
                          TurnLine("T04", true),
                          "\"T05\",\"Drill\",\"H\",.2,70,1330,.003,3.99,.65,2,0,0,\"Peck\",3",
                          "\"T06\",\"Cut-Off\",\"H\",.75,250,1273,.0015,1.9095,.385,0,0,1,\"\",0",
                          "2",
                          TurnLine("T21", true),
                          TurnLine("T22", true),
                          // Not read: a file of this version has no sync lines.
                          "7,8,0",
                          "7,8,0"}),
                      &report);
  EXPECT_DOUBLE_EQ(report.FormatVersion, 107);
  EXPECT_EQ(s.MainOpCount, 6);
  EXPECT_EQ(s.SubOpCount, 2);
  EXPECT_EQ(s.Op(kMainSpindle, 5).OtherDesc, "Peck");
  EXPECT_EQ(s.Op(kMainSpindle, 5).OtherSeconds, 3);
  EXPECT_EQ(s.Op(kMainSpindle, 6).Dwells, 1);
  EXPECT_EQ(s.Op(kSubSpindle, 2).ToolNo, "T22");
  // The sub stretch 3..5 becomes two syncs.
  EXPECT_EQ(SyncText(s), "3:1 6:3");
  EXPECT_EQ(s.Header.LegacySubStart, 0);
  EXPECT_EQ(s.Header.LegacySubEnd, 0);
}

TEST(RvxReadTest, Version110KeepsMetricAsItWasVersion116AndAboveReadIt) {
  const QByteArray file = Lines({"\"RVX-v110\",\"M\",1,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\"", "1",
                                 "\"T31\",\"Live Mill\",\"\",.25,150,2291,.004,9.164,.5,0,1,0,\"\",0,.001,4", "1",
                                 TurnLine("T21"), "1,2,0", "1,2,0"});
  for (std::int16_t before : {std::int16_t{-1}, std::int16_t{0}}) {
    TimeStudy s;
    s.Header.Metric = before;
    ParseTimeStudy(file, &s);
    EXPECT_EQ(s.Header.Metric, before);
    EXPECT_EQ(s.Op(kMainSpindle, 1).IPT, .001);
    EXPECT_EQ(s.Op(kMainSpindle, 1).Teeth, 4);
    EXPECT_EQ(SyncText(s), "1:1 2:2");
  }
  for (const char* version : {"RVX-v116", "rvx-V125"}) {
    const TimeStudy s = Parse(Lines(
        {QByteArray("\"") + version + "\",\"M\",0,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\",-1", "0", "0"}));
    EXPECT_EQ(s.Header.Metric, -1) << version;
  }
}

TEST(RvxReadTest, ItemsFollowTheInputRules) {
  // LF alone, blanks around unquoted items, numbers without quotes or with a
  // leading zero, an exponent, empty numeric items, a quoted text that holds
  // commas and a line break, an unquoted text.
  TimeStudy s = Parse(QByteArray(
      "\"RVX-v119\", \"M\" , 1 ,1,0,0,Acme Tool,\"\",\"\",\"\",\"\",\"\",\"Hex\",\"\",\"line one\r\nline, two\",-1\n"
      " 1 \n"
      "\"T01\",\"Turn, rough\",\"\",0.5,300,,2.5E-3,,1.5e0,0,0,0,\"\",0,,0\n"
      "0\n0\n0\n"));
  EXPECT_EQ(s.Header.Customer, "Acme Tool");
  EXPECT_EQ(s.Header.MaterialShape, "Hex");
  EXPECT_EQ(s.Header.Notes, "line one\r\nline, two");
  EXPECT_EQ(s.Header.Metric, -1);
  const Operation& op = s.Op(kMainSpindle, 1);
  EXPECT_EQ(op.OpName, "Turn, rough");
  EXPECT_EQ(op.Diameter, 0.5);
  EXPECT_EQ(op.RPM, 0);
  EXPECT_EQ(op.IPR, 0.0025);
  EXPECT_EQ(op.CutTime, 0) << "no feed, no division";

  // Integer items round halves to even; an overflow keeps the value.
  s.Header.SubSpindleUsed = 7;
  ParseTimeStudy(Lines({Head("M", "99999,1,0,0"), "1",
                        "\"T01\",\"Turn\",\"\",.5,2.5,3.5,.002,4.582,1.5,40000,-40000,0,\"\",0,0,0", "0", "0", "0"}),
                 &s);
  EXPECT_EQ(s.Header.SubSpindleUsed, 7);
  EXPECT_EQ(s.Op(kMainSpindle, 1).SFM, 2);
  EXPECT_EQ(s.Op(kMainSpindle, 1).RPM, 4);
  EXPECT_EQ(s.Op(kMainSpindle, 1).ExtraRapids, 0);
  EXPECT_EQ(s.Op(kMainSpindle, 1).SpindleIndexes, 0);
}

// ---- Truncated and hostile files -----------------------------------------------

TEST(RvxReadTest, ATruncatedFileLeavesBlankOperationsNoSyncsAndThePreviousHeaderValues) {
  TimeStudy s;
  s.Op(kMainSpindle, 3) = TurnOp("OLD");
  s.Sync(1, 1) = s.Sync(2, 1) = 2;
  ParseTimeStudy(Lines({Head(), "3", TurnLine()}) + "\"T02\",\"Tu", &s);
  EXPECT_EQ(s.Op(kMainSpindle, 2).ToolNo, "T02");
  EXPECT_EQ(s.Op(kMainSpindle, 2).OpName, "Tu");
  EXPECT_EQ(s.Op(kMainSpindle, 2).Diameter, 0);
  EXPECT_TRUE(s.Op(kMainSpindle, 3).IsBlank());
  EXPECT_EQ(s.MainOpCount, 2);
  EXPECT_EQ(SyncText(s), "");
}

TEST(RvxReadTest, AbsurdCountsNeitherHangNorWriteOutsideAList) {
  TimeStudyParseReport report;
  TimeStudy s = Parse(Lines({Head(), "-5", "1", TurnLine("T21"), "1,2,0", "1,2,0"}), &report);
  EXPECT_EQ(report.MainCountInFile, 0);
  EXPECT_EQ(s.MainOpCount, 0);
  EXPECT_EQ(s.Op(kSubSpindle, 1).ToolNo, "T21");
  EXPECT_EQ(SyncText(s), "1:1 2:2");
  // The largest count a file can state, with one operation behind it.
  s = Parse(Lines({Head(), "32767", "\"T01\",\"Turn\""}), &report);
  EXPECT_EQ(report.MainCountInFile, 32767);
  EXPECT_EQ(s.MainOpCount, 1);
}

TEST(RvxReadTest, SyncsOutsideTheListsAreLeftOutAndTheRestMoveUp) {
  TimeStudyParseReport report;
  TimeStudy s = Parse(Lines({Head(), "0", "0", "1,150,4,-3,101,102,7,99999,0", "1,2,3,4,5,6,8,9,0"}), &report);
  EXPECT_EQ(report.SyncsDropped, 4);  // 150, -3, 102 and 99999, too large for an entry
  EXPECT_EQ(SyncText(s), "1:1 4:3 101:5 7:8");

  // Thirty fields a line; the rest are ignored.
  QByteArray main, sub;
  for (int k = 1; k <= 40; ++k) {
    main += QByteArray::number(k) + ",";
    sub += QByteArray::number(k + 1) + ",";
  }
  s = Parse(Lines({Head(), "0", "0", main + "0", sub + "0"}));
  EXPECT_EQ(s.Sync(1, 30), 30);
  EXPECT_EQ(s.Sync(2, 30), 31);
  EXPECT_EQ(s.Sync(1, 31), 0);
  EXPECT_EQ(s.Sync(2, 31), 0);
}

// ---- Round trips ------------------------------------------------------------------

TEST(RvxRoundTripTest, EveryStoredFieldComesBackExactly) {
  std::mt19937_64 random(42);
  const QStringList texts = {"", "T01", " padded ", "a, b, c", "Ø12 h6 – 0.5×45° €", "line\r\nbreak",
                             "trailing,", "'single'", "=;[]", QString(300, u'x')};
  auto text = [&] { return texts[static_cast<qsizetype>(random() % static_cast<unsigned>(texts.size()))]; };
  auto dbl = [&]() -> double {
    switch (random() % 4) {
      case 0: return static_cast<double>(random() % 100000) / 1000.0;
      case 1: {
        double d = std::bit_cast<double>(random());
        return std::isfinite(d) ? d : 0.1;
      }
      case 2: return -static_cast<double>(random() % 1000) / 7.0;
      default: return 0.1 + 0.2;
    }
  };
  auto int16 = [&] { return static_cast<std::int16_t>(random()); };
  for (int round = 0; round < 20; ++round) {
    TimeStudy s;
    TimeStudyHeader& h = s.Header;
    h.MachineName = text(), h.Customer = text(), h.Engineer = text(), h.PartName = text(), h.PartNo = text();
    h.Material = text(), h.MaterialSize = text(), h.MaterialShape = text(), h.PartLength = text(), h.Notes = text();
    h.SubSpindleUsed = int16(), h.PartsCatcherUsed = int16(), h.Metric = round % 2 ? -1 : 0;
    for (int spindle = 1; spindle <= 2; ++spindle) {
      const int n = round == 0 ? kMaxOperations : static_cast<int>(random() % 30);
      for (int i = 1; i <= n; ++i) {
        Operation& op = s.Op(spindle, i);
        op.ToolNo = QStringLiteral("T%1").arg(i);
        op.OpName = text(), op.ToolHolder = text(), op.OtherDesc = text();
        op.Diameter = dbl(), op.IPR = dbl(), op.IPM = dbl(), op.CutLength = dbl(), op.IPT = dbl();
        op.SFM = int16(), op.RPM = int16(), op.ExtraRapids = int16(), op.SpindleIndexes = int16();
        op.Dwells = int16(), op.OtherSeconds = int16(), op.Teeth = int16();
        op.UpdateCutTime();
      }
    }
    const int syncs = round == 0 ? kMaxSyncs : static_cast<int>(random() % 8);
    for (int k = 1; k <= syncs; ++k) {
      s.Sync(1, k) = static_cast<std::int16_t>(1 + random() % 101);
      s.Sync(2, k) = static_cast<std::int16_t>(1 + random() % 101);
    }
    s.RecountOps();
    const QByteArray bytes = Serialize(s);
    TimeStudy back;
    back.Header.Metric = 5;  // must be replaced: the current format stores Metric
    ParseTimeStudy(bytes, &back);
    // Every stored field of both lists (places 0..101), the header and the syncs.
    EXPECT_EQ(back.Header, s.Header);
    EXPECT_TRUE(back.Ops == s.Ops);
    EXPECT_EQ(back.Syncs, s.Syncs);
    EXPECT_EQ(back.MainOpCount, s.MainOpCount);
    EXPECT_EQ(back.SubOpCount, s.SubOpCount);
    EXPECT_EQ(Serialize(back), bytes);
  }
}

// ---- ReadTimeStudy ------------------------------------------------------------------

namespace {

class ReadTimeStudyTest : public ::testing::Test {
 protected:
  ReadTimeStudyTest() { ws_.AppFolder = folder_.Path(); }
  TimeStudyReadResult Read(const QString& name) { return ReadTimeStudy(ws_, folder_.FilePath(name), prompter_); }

  TempAppFolder folder_{true};
  Workspace ws_;
  ScriptedPrompter prompter_;
};

}  // namespace

TEST_F(ReadTimeStudyTest, ReadsClearsDirtyLoadsTheMachineAndLeavesFilePath) {
  ws_.Study.Dirty = true;
  ws_.Study.FilePath = QStringLiteral("before.rvx");
  const TimeStudyReadResult r = Read("samples/02-metric-sub-spindle.rvx");
  EXPECT_TRUE(r.FileRead);
  EXPECT_TRUE(r.MachineLoaded);
  EXPECT_EQ(r.FormatVersion, 119);
  EXPECT_TRUE(prompter_.Entries().isEmpty());
  EXPECT_FALSE(ws_.Study.Dirty);
  EXPECT_EQ(ws_.Study.FilePath, "before.rvx");
  EXPECT_TRUE(ws_.Study.Header.IsMetric());
  EXPECT_EQ(ws_.Machine.LoadedName, "SH20-Sub");
  EXPECT_TRUE(ws_.Machine.LengthsInMillimetres) << "the machine follows the study just read";
}

TEST_F(ReadTimeStudyTest, OperationsBeyondPlace100AreReadPastAndTold) {
  QList<QByteArray> lines = {Head("SH32-SubLive"), "102"};
  for (int i = 1; i <= 102; ++i) lines << TurnLine(("T" + QByteArray::number(i)).constData());
  lines << "101";
  for (int i = 1; i <= 101; ++i) lines << TurnLine(("S" + QByteArray::number(i)).constData());
  lines << "1,50,101,0" << "1,2,3,0";
  folder_.Write("big.rvx", Lines(lines));
  const TimeStudyReadResult r = Read("big.rvx");
  EXPECT_TRUE(r.FileRead);
  EXPECT_TRUE(r.MachineLoaded);
  EXPECT_EQ(r.OperationsDropped, 3);
  const TimeStudy& s = ws_.Study;
  EXPECT_EQ(s.MainOpCount, 100);
  EXPECT_EQ(s.Op(kMainSpindle, 100).ToolNo, "T100");
  EXPECT_TRUE(s.Op(kMainSpindle, 101).IsBlank());
  EXPECT_EQ(s.SubOpCount, 100);
  EXPECT_EQ(s.Op(kSubSpindle, 2).ToolNo, "S2");
  EXPECT_EQ(SyncText(s), "1:1 50:2 101:3");
  ASSERT_EQ(prompter_.Messages().size(), 1);
  EXPECT_EQ(prompter_.Messages()[0],
            "The file " + folder_.FilePath("big.rvx") +
                " holds more operations than a list can take (100). 3 operations were not loaded (2 of the main "
                "spindle, 1 of the sub spindle). Saving over this file would lose them: save the study under "
                "another name.");
  EXPECT_EQ(prompter_.Entries()[0].Icon, MessageIcon::Exclamation);
}

TEST_F(ReadTimeStudyTest, AFileThatCannotBeOpenedAsksTheRetryQuestionAndNoLeavesTheStudyUnchanged) {
  ws_.Study.Op(kMainSpindle, 1) = TurnOp("KEEP");
  ws_.Study.Dirty = true;
  prompter_.QueueAnswer(Answer::Yes);  // tries again once, then the default No
  EXPECT_FALSE(Read("none.rvx").FileRead);
  prompter_.QueueAnswer(Answer::Yes);
  EXPECT_FALSE(WriteTimeStudy(ws_.Study, folder_.FilePath("missing/folder/a.rvx"), prompter_));
  EXPECT_EQ(ws_.Study.Op(kMainSpindle, 1).ToolNo, "KEEP");
  EXPECT_TRUE(ws_.Study.Dirty);
  ASSERT_EQ(prompter_.Entries().size(), 4);
  for (int i = 0; i < 4; ++i) {
    const ScriptedPrompter::Entry& e = prompter_.Entries()[i];
    EXPECT_EQ(e.Text, i < 2 ? "Error #53 - File not found - 1000053\r\n Do you want to try again?"
                            : "Error #76 - Path not found - 1000076\r\n Do you want to try again?");
    EXPECT_EQ(e.Caption, i < 2 ? "File not found" : "Path not found");
    EXPECT_EQ(e.ButtonSet, Buttons::YesNo);
    EXPECT_EQ(e.Default, Answer::No);
  }
}

TEST_F(ReadTimeStudyTest, AMissingMachineAndSyncsLeftOutAreReportedAfterTheStudyIsRead) {
  folder_.Write("a.rvx", Lines({Head("NoSuchMachine", "0,1,0,0"), "0", "0", "1,500,0", "1,2,0"}));
  const TimeStudyReadResult r = Read("a.rvx");
  EXPECT_TRUE(r.FileRead);
  EXPECT_FALSE(r.MachineLoaded);
  EXPECT_EQ(r.SyncsDropped, 1);
  EXPECT_EQ(prompter_.Messages(),
            (QStringList{"The file " + folder_.FilePath("a.rvx") +
                             " holds 1 sync that points outside the operation lists; it was left out. Please check the "
                             "sync list.",
                         "The machine file does not exist! " + folder_.FilePath("NoSuchMachine.ini")}));
}
