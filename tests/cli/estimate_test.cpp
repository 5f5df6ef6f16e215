#include "support/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using arvex::test::RunArvex;
using arvex::test::TempAppFolder;

namespace {

// An application folder that is never filled from the bundled data.
struct EmptyAppFolder {
  TempAppFolder Folder;
  EmptyAppFolder() { Folder.Write(QStringLiteral(".arvex-folder"), QByteArray()); }
  QStringList Args(QStringList rest) const {
    return QStringList{QStringLiteral("--app-folder"), Folder.Path()} + rest;
  }
};

QJsonObject JsonLine(const QString& line) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
  return doc.object();
}

}  // namespace

TEST(EstimateCommandTest, NeedsAFile) {
  EmptyAppFolder app;
  auto r = RunArvex(app.Args({"estimate"}));
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: estimate needs at least one FILE.rvx (try --help)\n");
  r = RunArvex(app.Args({"estimate", "--jsn", "a.rvx"}));
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: estimate: unknown option --jsn (try --help)\n");
}

TEST(EstimateCommandTest, SampleWithoutSamplesSaysSo) {
  EmptyAppFolder app;
  auto r = RunArvex(app.Args({"estimate", "--sample"}));
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "arvex: no sample study (*.rvx) in " + app.Folder.Path() + "samples/\n");
  // The default run is the same.
  auto d = RunArvex(app.Args({}));
  EXPECT_EQ(d.Status, 1);
  EXPECT_EQ(d.Err, r.Err);
}

TEST(EstimateCommandTest, AFileThatCannotBeReadIsAnErrorObject) {
  EmptyAppFolder app;
  const QString missing = app.Folder.FilePath("nothing here.rvx");
  auto r = RunArvex(app.Args({"estimate", "--json", missing}));
  EXPECT_EQ(r.Status, 1);
  const QStringList lines = r.Out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1);
  const QJsonObject o = JsonLine(lines[0]);
  EXPECT_EQ(o.keys(), (QStringList{"error", "file"}));
  EXPECT_EQ(o["file"].toString(), missing);
  EXPECT_EQ(o["error"].toString(), "the file does not exist");
}
