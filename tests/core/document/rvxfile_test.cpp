#include "document/rvxfile.h"

#include "document/timestudy.h"
#include "platform/scriptedprompter.h"
#include "platform/textfile.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <bit>
#include <cmath>
#include <random>
#include <utility>

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

// Every stored field of both lists (places 0..101), the header and the syncs.
void ExpectSameStoredFields(const TimeStudy& a, const TimeStudy& b) {
  EXPECT_EQ(a.Header, b.Header);
  for (int s = 1; s <= 2; ++s)
    for (int i = 0; i <= kMaxOperations + 1; ++i) {
      Operation x = a.Op(s, i);
      Operation y = b.Op(s, i);
      x.Group.clear();
      y.Group.clear();
      ASSERT_EQ(x, y) << "spindle " << s << " place " << i;
    }
  EXPECT_EQ(a.Syncs, b.Syncs);
  EXPECT_EQ(a.MainOpCount, b.MainOpCount);
  EXPECT_EQ(a.SubOpCount, b.SubOpCount);
}

// The retry question of a failed open.
void ExpectRetryQuestion(const ScriptedPrompter::Entry& e, const QString& text, const QString& caption) {
  EXPECT_EQ(e.Kind, ScriptedPrompter::Entry::EntryKind::Question);
  EXPECT_EQ(e.Text, text);
  EXPECT_EQ(e.Caption, caption);
  EXPECT_EQ(e.Icon, MessageIcon::Critical);
  EXPECT_EQ(e.ButtonSet, Buttons::YesNo);
  EXPECT_EQ(e.Default, Answer::No);
}

}  // namespace

// ---- Writing ------------------------------------------------------------------

TEST(RvxWriteTest, OneMainOperationGivesTheSixLineFile) {
  TimeStudy s;
  s.Header.MachineName = QStringLiteral("SH12-Main");
  s.Header.MaterialShape = QStringLiteral("Round");
  s.Op(kMainSpindle, 1) = TurnOp(QStringLiteral("T01"));
  EXPECT_EQ(TimeStudyText(s),
            "\"RVX-v119\",\"SH12-Main\",0,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\",0\r\n"
            "1\r\n"
            "\"T01\",\"Turn\",\"\",.5,300,2291,.002,4.582,1.5,0,0,0,\"\",0,0,0\r\n"
            "0\r\n"
            "0\r\n"
            "0\r\n");
}

TEST(RvxWriteTest, SyncLinesEndAtTheFirstZeroOrAfterThirtyValues) {
  TimeStudy s;
  EXPECT_TRUE(TimeStudyText(s).endsWith("0\r\n0\r\n0\r\n0\r\n"));
  s.Sync(1, 1) = 1;
  s.Sync(1, 2) = 5;
  s.Sync(2, 1) = 1;
  s.Sync(2, 2) = 3;
  s.Sync(2, 3) = 4;  // the sub column is written to its own first 0
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

TEST(RvxWriteTest, CountsFollowTheContentsAndBlankPlacesInsideAListAreKept) {
  TimeStudy s;
  s.Op(kMainSpindle, 1) = TurnOp("T01");
  s.Op(kMainSpindle, 3) = TurnOp("T03");  // place 2 blank
  s.MainOpCount = 77;                     // stale: the writer recounts
  TimeStudy back = Parse(Serialize(s));
  EXPECT_EQ(back.MainOpCount, 3);
  EXPECT_TRUE(back.Op(kMainSpindle, 2).IsBlank());
  EXPECT_EQ(back.Op(kMainSpindle, 3).ToolNo, "T03");
}

namespace {

class RvxWriteFileTest : public ::testing::Test {
 protected:
  bool Write(const QString& name) { return WriteTimeStudy(s_, folder_.FilePath(name), prompter_); }

  TempAppFolder folder_;
  TimeStudy s_;
  ScriptedPrompter prompter_;
};

}  // namespace

TEST_F(RvxWriteFileTest, WriteTimeStudyRecountsClearsDirtyAndLeavesFilePathToTheCaller) {
  s_.Op(kMainSpindle, 1) = TurnOp("T01");
  s_.Op(kSubSpindle, 1) = TurnOp("T21");
  s_.Dirty = true;
  s_.FilePath = QStringLiteral("elsewhere.rvx");
  ASSERT_TRUE(Write("a.rvx"));
  EXPECT_EQ(s_.MainOpCount, 1);
  EXPECT_EQ(s_.SubOpCount, 1);
  EXPECT_FALSE(s_.Dirty);
  EXPECT_EQ(s_.FilePath, "elsewhere.rvx");
  EXPECT_TRUE(prompter_.Entries().isEmpty());
  EXPECT_EQ(folder_.Read("a.rvx"), TimeStudyText(s_).toLatin1());
}

TEST_F(RvxWriteFileTest, ACharacterOutsideWindows1252FailsTheSaveAndKeepsTheOldFile) {
  folder_.Write("a.rvx", "old contents\r\n");
  s_.Header.Notes = QStringLiteral("Ra ≤ 0.8");
  s_.Op(kMainSpindle, 2) = TurnOp("T02");
  s_.Op(kMainSpindle, 2).OpName = QStringLiteral("Turn Ø10 ± .01 → done");
  s_.Dirty = true;
  EXPECT_FALSE(Write("a.rvx"));
  ASSERT_EQ(prompter_.Entries().size(), 1);
  EXPECT_EQ(prompter_.Entries()[0].Icon, MessageIcon::Exclamation);
  EXPECT_EQ(prompter_.Entries()[0].Caption, "Arvex");
  // Ø and ± are Windows-1252; ≤ and → are not.
  EXPECT_EQ(prompter_.Messages()[0],
            QStringLiteral("The time study was not saved: a time-study file cannot store double quotes or "
                           "characters outside Windows-1252, and the notes text holds \"≤\" (U+2264); the "
                           "description of main operation 2 holds \"→\" (U+2192). Replace them and save again."));
  EXPECT_EQ(folder_.Read("a.rvx"), QByteArray("old contents\r\n"));
  EXPECT_TRUE(s_.Dirty);
}

TEST_F(RvxWriteFileTest, ADoubleQuoteInATextFailsTheSaveInsteadOfCorruptingTheFile) {
  s_.Op(kSubSpindle, 1) = TurnOp("T21");
  s_.Op(kSubSpindle, 1).ToolHolder = QStringLiteral("3/4\" Sq.");
  EXPECT_FALSE(Write("q.rvx"));
  ASSERT_EQ(prompter_.Messages().size(), 1);
  EXPECT_TRUE(prompter_.Messages()[0].contains("the tool holder of sub operation 1 holds \"\"\" (U+0022)"))
      << prompter_.Messages()[0].toStdString();
  EXPECT_FALSE(QFile::exists(folder_.FilePath("q.rvx")));
  QByteArray bytes;
  EXPECT_FALSE(SerializeTimeStudy(s_, &bytes));
}

TEST_F(RvxWriteFileTest, AnOpenFailureAsksTheRetryQuestion) {
  prompter_.QueueAnswer(Answer::Yes);  // try again once, then the default No
  EXPECT_FALSE(Write("missing/folder/a.rvx"));
  ASSERT_EQ(prompter_.Entries().size(), 2);
  for (const auto& e : prompter_.Entries())
    ExpectRetryQuestion(e, "Error #76 - Path not found - 1000076\r\n Do you want to try again?", "Path not found");
  EXPECT_FALSE(QFile::exists(folder_.FilePath("missing/folder/a.rvx")));
}

// ---- Reading the format generations -------------------------------------------

TEST(RvxReadTest, TheSixLineFileReadsBack) {
  TimeStudy s = Parse(Lines({"\"RVX-v119\",\"SH12-Main\",0,1,0,0,\"Cust\",\"Eng\",\"Pin\",\"P-1\",\"12L14\",\".250\","
                             "\"Round\",\".625\",\"n\",0",
                             "1", TurnLine(), "0", "0", "0"}));
  EXPECT_EQ(s.Header.MachineName, "SH12-Main");
  EXPECT_EQ(s.Header.PartLength, ".625");
  EXPECT_EQ(s.MainOpCount, 1);
  EXPECT_EQ(s.SubOpCount, 0);
  Operation expected = TurnOp("T01");
  expected.UpdateCutTime();
  EXPECT_TRUE(s.Op(kMainSpindle, 1) == expected);
  EXPECT_DOUBLE_EQ(s.Op(kMainSpindle, 1).CutTime, 1.5 / 4.582 * 60);
  EXPECT_EQ(SyncText(s), "");
}

TEST(RvxReadTest, Version107HasShortOperationsAndLegacySyncs) {
  TimeStudyParseReport report;
  TimeStudy s = Parse(Lines({
                          "\"RVX-v107\",\"SH32-SubLive\",1,1,3,5,\"C\",\"E\",\"N\",\"No\",\"M\",\"S\",\"Round\",\"1\",\"\"",
                          "6",
                          "\"T01\",\"Face\",\"H\",.75,350,1782,.004,7.128,.9,1,0,0,\"\",0",
                          "\"T02\",\"Turn\",\"H\",.5,400,3055,.002,6.11,1.1,0,0,0,\"\",0",
                          "\"T03\",\"Groove\",\"H\",.5,300,2291,.001,2.291,.06,0,0,0,\"\",0",
                          "\"T04\",\"Thread\",\"H\",.5,250,1909,.05,95.45,3.6,8,0,0,\"\",0",
                          "\"T05\",\"Drill\",\"H\",.2,70,1330,.003,3.99,.65,2,0,0,\"Peck\",3",
                          "\"T06\",\"Cut-Off\",\"H\",.75,250,1273,.0015,1.9095,.385,0,0,1,\"\",0",
                          "2",
                          "\"T21\",\"Back Face\",\"H\",.75,300,1527,.002,3.054,.4,0,0,0,\"\",0",
                          "\"T22\",\"Back Drill\",\"H\",.125,100,3055,.002,6.11,.08,0,0,0,\"\",0",
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

  // Without a sub stretch there are no syncs.
  s = Parse(Lines({"\"RVX-v107\",\"M\",0,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\"", "1",
                   TurnLine("T01", true), "0"}));
  EXPECT_EQ(s.MainOpCount, 1);
  EXPECT_EQ(SyncText(s), "");
}

TEST(RvxReadTest, Version110KeepsMetricAsItWasAndReadsMillingAndSyncs) {
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
}

TEST(RvxReadTest, Version116AndAboveReadMetric) {
  for (const char* version : {"RVX-v116", "rvx-V125"}) {
    TimeStudy s;
    const QByteArray head =
        QByteArray("\"") + version + "\",\"M\",0,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\",-1";
    ParseTimeStudy(Lines({head, "0", "0", "0", "0"}), &s);
    EXPECT_EQ(s.Header.Metric, -1) << version;
  }
}

TEST(RvxReadTest, FormatVersionIsTheLeadingNumberAfterTheFirstDashV) {
  const std::pair<const char*, double> cases[] = {{"RVX-v119", 119},   {"RVX-V112beta", 112}, {"X-v108-v120", 108},
                                                  {"RVX-v1.1.9", 1.1}, {"RVX119", 0},         {"", 0}};
  for (const auto& [item, version] : cases) {
    TimeStudyParseReport r;
    Parse(QByteArray("\"") + item + "\"\r\n", &r);
    EXPECT_EQ(r.FormatVersion, version) << item;
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
  EXPECT_EQ(op.IPM, 0);
  EXPECT_EQ(op.CutLength, 1.5);
  EXPECT_EQ(op.CutTime, 0) << "no feed, no division";
}

TEST(RvxReadTest, IntegerItemsRoundHalvesToEvenAndOverflowsKeepTheValue) {
  TimeStudy s;
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

TEST(RvxReadTest, ATruncatedFileLeavesBlankOperationsAndNoSyncs) {
  TimeStudy s;
  s.Op(kMainSpindle, 3) = TurnOp("OLD");
  s.Sync(1, 1) = 2;
  s.Sync(2, 1) = 2;
  ParseTimeStudy(Lines({Head(), "3", TurnLine()}) + "\"T02\",\"Tu", &s);
  EXPECT_EQ(s.Op(kMainSpindle, 1).ToolNo, "T01");
  EXPECT_EQ(s.Op(kMainSpindle, 2).ToolNo, "T02");
  EXPECT_EQ(s.Op(kMainSpindle, 2).OpName, "Tu");
  EXPECT_EQ(s.Op(kMainSpindle, 2).Diameter, 0);
  EXPECT_TRUE(s.Op(kMainSpindle, 3).IsBlank());
  EXPECT_EQ(s.MainOpCount, 2);
  EXPECT_EQ(SyncText(s), "");
}

TEST(RvxReadTest, ATruncatedHeaderKeepsThePreviousHeaderValues) {
  TimeStudy s;
  s.Header.Customer = QStringLiteral("Previous");
  s.Header.Notes = QStringLiteral("kept");
  s.Header.Metric = -1;
  s.Op(kSubSpindle, 1) = TurnOp("OLD");
  ParseTimeStudy(QByteArray("\"RVX-v119\",\"SH20-Sub\",1,0,0,0,\"New\""), &s);
  EXPECT_EQ(s.Header.MachineName, "SH20-Sub");
  EXPECT_EQ(s.Header.PartsCatcherUsed, 0);
  EXPECT_EQ(s.Header.Customer, "New");
  EXPECT_EQ(s.Header.Notes, "kept");
  EXPECT_EQ(s.Header.Metric, -1);
  EXPECT_TRUE(s.Op(kSubSpindle, 1).IsBlank());
  EXPECT_FALSE(s.Dirty);
}

TEST(RvxReadTest, NegativeCountsReadNoOperations) {
  TimeStudyParseReport report;
  TimeStudy s = Parse(Lines({Head(), "-5", "1", TurnLine("T21"), "1,2,0", "1,2,0"}), &report);
  EXPECT_EQ(report.MainCountInFile, 0);
  EXPECT_EQ(s.MainOpCount, 0);
  EXPECT_EQ(s.SubOpCount, 1);
  EXPECT_EQ(s.Op(kSubSpindle, 1).ToolNo, "T21");
  EXPECT_EQ(SyncText(s), "1:1 2:2");
}

TEST(RvxReadTest, OperationsBeyondPlace100AreReadPastAndCounted) {
  QList<QByteArray> lines = {Head(), "105"};
  for (int i = 1; i <= 105; ++i) lines << TurnLine(("T" + QByteArray::number(i)).constData());
  lines << "2" << TurnLine("T21") << TurnLine("T22") << "1,50,101,0" << "1,2,3,0";
  TimeStudyParseReport report;
  TimeStudy s = Parse(Lines(lines), &report);
  EXPECT_EQ(report.MainCountInFile, 105);
  EXPECT_EQ(report.MainOperationsDropped, 5);
  EXPECT_EQ(report.SubOperationsDropped, 0);
  EXPECT_EQ(s.MainOpCount, 100);
  EXPECT_EQ(s.Op(kMainSpindle, 100).ToolNo, "T100");
  EXPECT_TRUE(s.Op(kMainSpindle, 101).IsBlank());
  EXPECT_EQ(s.SubOpCount, 2);
  EXPECT_EQ(s.Op(kSubSpindle, 2).ToolNo, "T22");
  EXPECT_EQ(SyncText(s), "1:1 50:2 101:3");
}

TEST(RvxReadTest, AbsurdCountsNeitherHangNorWriteOutsideAList) {
  for (const char* count : {"32767", "99999", "1E30", "-1E30", "&HFFFF", "2147483648", "nonsense"}) {
    TimeStudyParseReport report;
    TimeStudy s = Parse(Lines({Head(), count, "\"T01\",\"Turn\""}), &report);
    EXPECT_LE(s.MainOpCount, 1) << count;
    EXPECT_LE(report.MainCountInFile, 32767) << count;
    EXPECT_GE(report.MainCountInFile, 0) << count;
    EXPECT_TRUE(s.Op(kMainSpindle, 101).IsBlank());
  }
}

TEST(RvxReadTest, SyncsOutsideTheListsAreLeftOutAndTheRestMoveUp) {
  TimeStudyParseReport report;
  TimeStudy s = Parse(Lines({Head(), "0", "0", "1,150,4,-3,101,102,7,99999,0", "1,2,3,4,5,6,8,9,0"}), &report);
  EXPECT_EQ(report.SyncsDropped, 4);  // 150, -3, 102 and 99999, too large for an entry
  EXPECT_EQ(SyncText(s), "1:1 4:3 101:5 7:8");
}

TEST(RvxReadTest, SyncLinesKeepThirtyFieldsAndIgnoreTheRest) {
  QByteArray main, sub;
  for (int k = 1; k <= 40; ++k) {
    main += QByteArray::number(k) + ",";
    sub += QByteArray::number(k + 1) + ",";
  }
  TimeStudy s = Parse(Lines({Head(), "0", "0", main + "0", sub + "0"}));
  EXPECT_EQ(s.Sync(1, 30), 30);
  EXPECT_EQ(s.Sync(2, 30), 31);
  EXPECT_EQ(s.Sync(1, 31), 0);
  EXPECT_EQ(s.Sync(2, 31), 0);
}

TEST(RvxReadTest, LegacySyncsStayInsideTheLists) {
  // A stretch that ends at the largest 16-bit value, and a sub count of 150.
  QList<QByteArray> lines = {"\"RVX-v105\",\"M\",1,1,2,32767,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\"", "0",
                             "150"};
  for (int i = 1; i <= 150; ++i) lines << TurnLine("T21", true);
  TimeStudyParseReport report;
  TimeStudy s = Parse(Lines(lines), &report);
  EXPECT_EQ(report.SubOperationsDropped, 50);
  EXPECT_EQ(report.SyncsDropped, 1);
  // (2, 1) stays; (32768, 101) cannot be stored and goes.
  EXPECT_EQ(SyncText(s), "2:1");
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
    ExpectSameStoredFields(s, back);
    EXPECT_EQ(Serialize(back), bytes);
  }
}

// ---- ReadTimeStudy ------------------------------------------------------------------

namespace {

class ReadTimeStudyTest : public ::testing::Test {
 protected:
  explicit ReadTimeStudyTest(bool bundled = true) : folder_(bundled) { ws_.AppFolder = folder_.Path(); }

  TimeStudyReadResult Read(const QString& name) { return ReadTimeStudy(ws_, folder_.FilePath(name), prompter_); }

  TempAppFolder folder_;
  Workspace ws_;
  ScriptedPrompter prompter_;
};

class ReadTimeStudyEmptyFolderTest : public ReadTimeStudyTest {
 protected:
  ReadTimeStudyEmptyFolderTest() : ReadTimeStudyTest(false) {}
};

// Puts the file in place when the retry question comes, then answers Yes.
class FixingPrompter : public ScriptedPrompter {
 public:
  FixingPrompter(QString from, QString to) : from_(std::move(from)), to_(std::move(to)) {}
  Answer Ask(const QString& text, const QString& caption, Buttons buttons, Answer defaultAnswer,
             MessageIcon icon) override {
    ScriptedPrompter::Ask(text, caption, buttons, defaultAnswer, icon);
    QFile::copy(from_, to_);
    return Answer::Yes;
  }

 private:
  QString from_, to_;
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

TEST_F(ReadTimeStudyTest, TellsHowManyOperationsWereNotLoaded) {
  QList<QByteArray> lines = {Head("SH32-SubLive"), "102"};
  for (int i = 1; i <= 102; ++i) lines << TurnLine();
  lines << "101";
  for (int i = 1; i <= 101; ++i) lines << TurnLine("T21");
  lines << "0" << "0";
  folder_.Write("big.rvx", Lines(lines));
  const TimeStudyReadResult r = Read("big.rvx");
  EXPECT_TRUE(r.FileRead);
  EXPECT_TRUE(r.MachineLoaded);
  EXPECT_EQ(r.OperationsDropped, 3);
  ASSERT_EQ(prompter_.Messages().size(), 1);
  EXPECT_EQ(prompter_.Messages()[0],
            "The file " + folder_.FilePath("big.rvx") +
                " holds more operations than a list can take (100). 3 operations were not loaded (2 of the main "
                "spindle, 1 of the sub spindle). Saving over this file would lose them: save the study under "
                "another name.");
  EXPECT_EQ(prompter_.Entries()[0].Icon, MessageIcon::Exclamation);
}

TEST_F(ReadTimeStudyEmptyFolderTest, AMissingFileAsksTheRetryQuestionAndNoLeavesTheStudyUnchanged) {
  ws_.Study.Op(kMainSpindle, 1) = TurnOp("KEEP");
  ws_.Study.Dirty = true;
  EXPECT_FALSE(Read("none.rvx").FileRead);
  ASSERT_EQ(prompter_.Entries().size(), 1);
  ExpectRetryQuestion(prompter_.Entries()[0], "Error #53 - File not found - 1000053\r\n Do you want to try again?",
                      "File not found");
  EXPECT_EQ(ws_.Study.Op(kMainSpindle, 1).ToolNo, "KEEP");
  EXPECT_TRUE(ws_.Study.Dirty);
}

TEST_F(ReadTimeStudyTest, YesTriesToOpenAgain) {
  FixingPrompter prompter(folder_.FilePath("samples/03-main-spindle-only.rvx"), folder_.FilePath("late.rvx"));
  const TimeStudyReadResult r = ReadTimeStudy(ws_, folder_.FilePath("late.rvx"), prompter);
  EXPECT_TRUE(r.FileRead);
  EXPECT_EQ(prompter.Entries().size(), 1);
  EXPECT_EQ(ws_.Study.Header.MachineName, "SH12-Main");
}

TEST_F(ReadTimeStudyEmptyFolderTest, AMissingMachineAndSyncsLeftOutAreReportedAfterTheStudyIsRead) {
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

// ---- The bundled samples ------------------------------------------------------------

TEST(BundledSamplesTest, EachSampleIsInTheCurrentFormatAndRewritesItselfExactly) {
  const QDir samples(arvex::test::SourceDataFolder() + "samples");
  const QStringList names = samples.entryList({"*.rvx"}, QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 3);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray bytes = arvex::test::ReadBytes(samples.filePath(name));
    TimeStudyParseReport report;
    TimeStudy s = Parse(bytes, &report);
    EXPECT_EQ(report.FormatVersion, 119);
    EXPECT_EQ(Serialize(s), bytes);
    EXPECT_TRUE(QFile::exists(arvex::test::SourceDataFolder() + s.Header.MachineName + ".ini"));
    for (int i = 1; i <= s.MainOpCount; ++i) EXPECT_GT(s.Op(kMainSpindle, i).CutTime, 0) << i;
  }
}
