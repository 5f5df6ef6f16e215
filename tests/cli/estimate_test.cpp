#include "support/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using arvex::test::RunArvex;
using arvex::test::TempAppFolder;

namespace {

// An application folder with the bundled machines and sample studies, or an
// empty one that is never filled from them; the settings store is its own,
// with no rate unless a test sets one.
struct AppFolder {
  explicit AppFolder(bool bundled = true) : Folder(bundled) {
    if (!bundled) Folder.Write(".arvex-folder", QByteArray());
    qputenv("ARVEX_SETTINGS_FILE", Folder.FilePath("settings.ini").toLocal8Bit());
  }
  ~AppFolder() { qunsetenv("ARVEX_SETTINGS_FILE"); }
  QString Sample(const QString& name) const { return Folder.FilePath("samples/" + name); }
  arvex::test::CliResult Run(const QStringList& args) const {
    return RunArvex(QStringList{"--app-folder", Folder.Path()} + args);
  }
  TempAppFolder Folder;
};

const QString kInchSample = "01-inch-sub-spindle.rvx";
const QString kMetricSample = "02-metric-sub-spindle.rvx";
const QString kMainOnlySample = "03-main-spindle-only.rvx";

QStringList Lines(const QString& out) { return out.split(u'\n', Qt::SkipEmptyParts); }

QJsonObject JsonLine(const QString& line) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
  return doc.object();
}

}  // namespace

TEST(EstimateCommandTest, NeedsAFileOrASample) {
  AppFolder app(false);
  const std::tuple<QStringList, int, QString> cases[] = {
      {{"estimate"}, 2, "arvex: estimate needs at least one FILE.rvx (try --help)\n"},
      {{"estimate", "--jsn", "a.rvx"}, 2, "arvex: estimate: unknown option --jsn (try --help)\n"},
      {{"estimate", "--sample"}, 1, "arvex: no sample study (*.rvx) in " + app.Folder.Path() + "samples/\n"}};
  for (const auto& [args, status, err] : cases) {
    const auto r = app.Run(args);
    EXPECT_EQ(r.Status, status);
    EXPECT_EQ(r.Err, err);
  }
}

// ---- with the bundled machines and sample studies ------------------------------

TEST(EstimateCommandTest, BundledSamplesEstimateWithoutError) {
  AppFolder app;
  auto r = app.Run(
      {"estimate", "--json", app.Sample(kInchSample), app.Sample(kMetricSample), app.Sample(kMainOnlySample)});
  EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(r.Err, "");
  const QStringList lines = Lines(r.Out);
  ASSERT_EQ(lines.size(), 3);

  // Two spindles, three syncs, the last after the sub list: B1 against C1,
  // B2 against C2, then the cut-off alone (all figures checked by hand).
  const QString inch = lines[0];
  EXPECT_TRUE(inch.startsWith("{\"file\":\"" + app.Sample(kInchSample) +
                              "\",\"machine\":\"SH32-SubLive\",\"metric\":false,\"mainOpCount\":9,"
                              "\"subOpCount\":4,\"syncCount\":3,"
                              "\"mainGroups\":[\"B1\",\"B1\",\"B1\",\"B1\",\"B2\",\"B2\",\"B2\",\"B2\",\"D \"],"
                              "\"subGroups\":[\"C1\",\"C1\",\"C2\",\"C2\"],\"groups\":[{\"name\":\"B1\","
                              "\"spindle\":1,\"first\":1,\"last\":4,\"cut\":22.21205,\"idle\":5.9,"
                              "\"total\":28.11205,\"lines\":[[\"Stock stop check\",\"0.80\"],"
                              "[\"Tool Change Gang to Gang\",\" 4 x 0.60 = 2.40\"],"
                              "[\"Extra Rapids\",\" 9 x 0.30 = 2.70\"]]},{\"name\":\"C1\",\"spindle\":2,"))
      << inch.toStdString();
  EXPECT_TRUE(inch.endsWith(",\"total\":81.44382,\"formula\":\"( B1 B2 D)\",\"setupMinutes\":267,\"cost\":null}"))
      << inch.toStdString();

  const QJsonObject metric = JsonLine(lines[1]);
  EXPECT_TRUE(metric["metric"].toBool());
  EXPECT_EQ(metric["formula"].toString(), "( B1 D)");
  EXPECT_EQ(metric["setupMinutes"].toInt(), 182);
}

TEST(EstimateCommandTest, CostsFromTheStoredRatesOrTheOptions) {
  AppFolder app;
  app.Folder.Write("settings.ini", "[Arvex]\nMachineRate=90\nSetupRate=60\nBarPrice=20\nBatchQuantity=250\n");
  const QString file = app.Sample(kMainOnlySample);
  auto r = app.Run({"estimate", "--json", "--rate=120", "--efficiency", "90", file});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  const QJsonObject o = JsonLine(r.Out);
  const QJsonObject cost = o["cost"].toObject();
  EXPECT_EQ(cost["machineRate"].toDouble(), 120);  // the option
  EXPECT_EQ(cost["setupRate"].toDouble(), 60);     // the store
  EXPECT_EQ(cost["setupCost"].toDouble(), 102);  // 102 min. at 60 an hour
  // The quote takes the per-part cost at the efficiency asked for.
  EXPECT_EQ(cost["perPart"].toArray()[4].toObject()["efficiency"].toInt(), 90);
  EXPECT_EQ(cost["perPart"].toArray()[4].toObject()["cost"].toDouble(), cost["quotedPerPart"].toDouble());

  // A part longer than the bar has no cost: null, never inf or nan.
  QByteArray study = app.Folder.Read("samples/" + kMainOnlySample);
  study.replace("\"Round\",\".625\"", "\"Round\",\"300\"");
  app.Folder.Write("long-part.rvx", study);
  r = app.Run({"estimate", "--json", app.Folder.FilePath("long-part.rvx")});
  EXPECT_TRUE(JsonLine(r.Out)["cost"].toObject()["quote"].isNull());
  EXPECT_FALSE(r.Out.contains("inf") || r.Out.contains("nan"));
  EXPECT_TRUE(app.Run({"estimate", file}).Out.contains("  Batch quote for 250 parts: "));

  r = app.Run({"estimate", "--quantity", "many", file});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: estimate: --quantity needs a number of 0 or more, not \"many\"\n");
}

TEST(EstimateCommandTest, ReadableSummary) {
  AppFolder app;
  const QString file = app.Sample(kMainOnlySample);
  auto r = app.Run({"estimate", file});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, file +
                       "\n"
                       "  Machine: SH12-Main (inch)\n"
                       "  Operations: 5 main, 0 sub (sub spindle not used); syncs: 0\n"
                       "\n"
                       "  Group   Main spindle (s)           Sub spindle (s)             Counts\n"
                       "              cut     idle    total      cut     idle    total\n"
                       "  A          8.53     7.39    15.92                              A (main)\n"
                       "\n"
                       "  Cycle time: 15.92 s (A)\n"
                       "  Approximate setup time: 102 min.\n");

  // The default run and --sample show the first sample.
  r = app.Run({"estimate", app.Sample(kInchSample)});
  EXPECT_EQ(app.Run({"estimate", "--sample"}).Out, r.Out);
  EXPECT_EQ(app.Run({}).Out, r.Out);
  // A group of both spindles fills both columns.
  EXPECT_TRUE(r.Out.contains("  B1/C1     22.21     5.90    28.11     8.64     2.40    11.04   B1 (main)\n"))
      << r.Out.toStdString();
}

TEST(EstimateCommandTest, ABatchGoesOnPastBadFilesInItsOrder) {
  AppFolder app;
  QByteArray noMachine = app.Folder.Read("samples/" + kMainOnlySample);
  noMachine.replace("\"SH12-Main\"", "\"NO-SUCH-MACHINE\"");
  app.Folder.Write("batch/no-machine.rvx", noMachine);
  // A missing file with a blank in its name and a study of an unknown
  // machine between two samples.
  const QStringList files{app.Sample(kInchSample), app.Folder.FilePath("batch/nothing here.rvx"),
                          app.Folder.FilePath("batch/no-machine.rvx"), app.Sample(kMainOnlySample)};
  auto r = app.Run(QStringList{"estimate", "--json"} + files);
  EXPECT_EQ(r.Status, 1);
  const QStringList lines = Lines(r.Out);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(JsonLine(lines[0])["formula"].toString(), "( B1 B2 D)");
  EXPECT_EQ(lines[1], "{\"file\":\"" + files[1] + "\",\"error\":\"the file does not exist\"}");
  EXPECT_EQ(lines[2], "{\"file\":\"" + files[2] + "\",\"error\":\"The machine file does not exist! " +
                          app.Folder.FilePath("NO-SUCH-MACHINE.ini") + "\"}");
  EXPECT_EQ(JsonLine(lines[3])["formula"].toString(), "(A)");

  // Without --json the error is a message and the summary of the next file follows.
  r = app.Run({"estimate", files[2], files[3]});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Err.startsWith("arvex: " + files[2] + ": The machine file does not exist! "));
  EXPECT_TRUE(r.Out.contains("Cycle time: 15.92 s (A)"));
}

TEST(EstimateCommandTest, AListLongerThanOneHundredOperationsIsNotEstimated) {
  AppFolder app;
  QList<QByteArray> lines = app.Folder.Read("samples/" + kMainOnlySample).split('\n');
  // Header, count 5, five operations, the sub count, two sync lines: make it
  // 101 operations.
  QByteArray text = lines[0] + "\n101\n";
  for (int i = 0; i < 101; ++i) text += lines[2] + "\n";
  for (qsizetype i = 7; i < lines.size(); ++i) text += lines[i] + (i + 1 < lines.size() ? "\n" : "");
  app.Folder.Write("long.rvx", text);
  auto r = app.Run({"estimate", "--json", app.Folder.FilePath("long.rvx")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(JsonLine(r.Out.trimmed())["error"].toString(),
            "the file lists 1 operations beyond place 100 of a list; an estimate without them would be wrong");
}
