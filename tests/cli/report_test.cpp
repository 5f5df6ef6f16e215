#include "document/rvxfile.h"
#include "engine/printchecks.h"
#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "report/composereport.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace arvex;
using namespace Qt::StringLiterals;
using arvex::test::CliResult;
using arvex::test::RunArvex;
using arvex::test::RunArvexProcess;

namespace {

std::string S(const QString& s) { return s.toStdString(); }

// The text of a PDF, runs of blanks as one blank.
QString PdfText(const QString& path) {
  QProcess p;
  p.start("pdftotext", {path, "-"});
  if (!p.waitForFinished(60000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

int PdfPages(const QString& path) {
  QProcess p;
  p.start("pdfinfo", {path});
  if (!p.waitForFinished(60000)) return -1;
  const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(p.readAllStandardOutput()));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

const QString kInch = "01-inch-sub-spindle.rvx";
const QString kMainOnly = "03-main-spindle-only.rvx";

// A folder with the bundled data and a settings file of its own, so that no
// test reads or writes the user's settings.
class ReportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("ARVEX_SETTINGS_FILE", Settings().toLocal8Bit()); }
  void TearDown() override { qunsetenv("ARVEX_SETTINGS_FILE"); }
  QString Settings() const { return folder.FilePath("settings.ini"); }
  QString Sample(const QString& name) const { return folder.FilePath("samples/" + name); }
  QStringList Env() const { return {"ARVEX_SETTINGS_FILE=" + Settings(), "CUPS_SERVER=/nonexistent/cups.sock"}; }
  CliResult Report(QStringList args) { return RunArvex(QStringList{"report"} + args + QStringList{"--app-folder", folder.Path()}); }
  // The study as the commands see it, with its comparison.
  Workspace Prepared(const QString& path) {
    Workspace ws;
    ws.AppFolder = folder.Path();
    ScriptedPrompter prompter;
    EXPECT_TRUE(ReadTimeStudy(ws, path, prompter).FileRead);
    ws.Study.FilePath = path;
    EXPECT_TRUE(PrepareReportChecks(ws, prompter));
    return ws;
  }
  void WriteStudy(const QString& name, const TimeStudy& study) { folder.Write(name, TimeStudyText(study).toLatin1()); }
  test::TempAppFolder folder{true};
};

// The report's sections and figures are the composer's; here the real
// executable writes them to the file named.
TEST_F(ReportCommandTest, TheExecutableWritesAPdfWithTitleAndTotal) {
  const QString out = folder.FilePath("inch.pdf");
  const CliResult r = RunArvexProcess({"report", Sample(kInch), "-o", out, "--app-folder", folder.Path()}, Env());
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  const int pages = PdfPages(out);
  EXPECT_EQ(S(r.Out), S(out + ": " + QString::number(pages) + " pages\n"));
  const ReportFigures f = ComputeReportFigures(Prepared(Sample(kInch)));
  const QString text = PdfText(out);
  for (const QString& expected : QStringList{u"Cycle Time Estimate for SH32-SubLive"_s,
                                  "Total Cycle Time= " + Format(f.CycleTotal, u"###.##"_s) + "sec " + f.CycleFormula,
                                  "Page 1 of " + QString::number(pages), u"Comparing Times by Groups"_s,
                                  u"Tool Holders needed:"_s, u"Spindle Timeline"_s})
    EXPECT_TRUE(text.contains(expected)) << S(expected);
}

TEST_F(ReportCommandTest, SwitchesLeaveOutTheirSections) {
  const QString off = folder.FilePath("off.pdf");
  const CliResult r = Report({Sample(kInch), "-o", off, "--no-cutting-data", "--no-tool-holders", "--no-setup-data",
                              "--no-images", "--no-timeline"});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(PdfPages(off), 1);
  const QString text = PdfText(off);
  for (const char* absent :
       {"Comparing Times by Groups", "Tool Holders needed:", "Setup time does not include", "Spindle Timeline"})
    EXPECT_FALSE(text.contains(absent)) << absent;
}

TEST_F(ReportCommandTest, AFailureNeverLeavesABrokenPdf) {
  const QString out = folder.FilePath("good.pdf");
  ASSERT_EQ(Report({Sample(kMainOnly), "-o", out}).Status, 0);
  const QByteArray good = test::ReadBytes(out);
  ASSERT_TRUE(good.startsWith("%PDF-"));

  CliResult r = Report({folder.FilePath("missing.rvx"), "-o", out});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Err.contains("missing.rvx: no such time study")) << r.Err.toStdString();
  EXPECT_EQ(test::ReadBytes(out), good);

  // A study without operations: the message, no report.
  WriteStudy("empty.rvx", TimeStudy());
  r = Report({folder.FilePath("empty.rvx"), "-o", out});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Err.endsWith("arvex: There are no operations to print!\n")) << S(r.Err);
  EXPECT_EQ(test::ReadBytes(out), good);

  r = Report({Sample(kMainOnly), "-o", folder.FilePath("no/such/folder/x.pdf")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Err.startsWith("arvex: cannot write ")) << r.Err.toStdString();
}

TEST_F(ReportCommandTest, UsageMistakesAreRefused) {
  const QString sample = Sample(kMainOnly);
  const QString pdf = folder.FilePath("x.pdf");
  const std::pair<QStringList, const char*> cases[] = {
      {{sample}, "arvex: give the PDF file to write with -o OUT.pdf\n"},
      {{sample, "-o"}, "arvex: -o needs the name of the PDF file to write\n"},
      {{"-o", pdf}, "arvex: give the time study to print (FILE.rvx)\n"},
      {{sample, "-o", pdf, "--no-notes"}, "arvex: unknown option --no-notes (try --help)\n"}};
  for (const auto& [args, err] : cases) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    const CliResult r = Report(args);
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(S(r.Err), err);
  }
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ReportCommandTest, SyncWarningsAndThePartsCatcherQuestionGoToStandardErrorAndNothingIsSaved) {
  Workspace ws = Prepared(Sample(kInch));
  ws.Study.ClearSyncs();
  WriteStudy("nosyncs.rvx", ws.Study);
  CliResult r = Report({folder.FilePath("nosyncs.rvx"), "-o", folder.FilePath("nosyncs.pdf")});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(S(r.Err), S("arvex: " + QString::fromUtf16(kCheckSyncSettingsText) + "\n"));

  TimeStudy& study = ws.Study;
  for (int i = 1; i <= kMaxOperations; ++i) study.Op(kSubSpindle, i) = Operation();
  study.SubOpCount = 0;
  study.Header.SubSpindleUsed = study.Header.PartsCatcherUsed = 1;
  WriteStudy("catcher.rvx", study);
  const QString path = folder.FilePath("catcher.rvx");
  const QByteArray before = test::ReadBytes(path);
  const QString question = QString::fromUtf16(kPartsCatcherQuestionText);
  const QString plain = folder.FilePath("plain.pdf");
  r = Report({path, "-o", plain});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_TRUE(r.Err.startsWith("arvex: " + question + " [No]\n")) << r.Err.toStdString();
  const QString repaired = folder.FilePath("repaired.pdf");
  r = Report({path, "-o", repaired, "--repair"});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_TRUE(r.Err.startsWith("arvex: " + question + " [Yes]\n")) << r.Err.toStdString();
  EXPECT_TRUE(r.Err.contains("used for this report only; " + path + " is not changed")) << r.Err.toStdString();
  EXPECT_TRUE(PdfText(repaired).contains("Eject Part"));
  EXPECT_EQ(test::ReadBytes(path), before);
}

TEST_F(ReportCommandTest, PrintWithoutAPrinterFailsClearly) {
  const QString sample = Sample(kMainOnly);
  for (const QStringList& args : {QStringList{"print", sample}, QStringList{"/p " + sample},
                                  QStringList{"/P", u'"' + sample + u'"'}}) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    const CliResult r = RunArvexProcess(args + QStringList{"--app-folder", folder.Path()}, Env());
    EXPECT_EQ(r.Status, 1);
    // The lines of standard error that the program wrote (not the toolkit's).
    QString lines;
    for (const QString& l : r.Err.split(u'\n'))
      if (l.startsWith("arvex: ")) lines += l + u'\n';
    EXPECT_EQ(S(lines), S("arvex: no printer is available (no default printer is set up); " + sample +
                          " was not printed\n"));
    EXPECT_EQ(S(r.Out), "");
  }
}

}  // namespace
