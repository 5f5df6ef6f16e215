#include "document/rvxfile.h"
#include "engine/printchecks.h"
#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "report/composereport.h"
#include "reportjob.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include <gtest/gtest.h>

using namespace arvex;
using arvex::test::CliResult;
using arvex::test::RunArvex;
using arvex::test::RunArvexProcess;
using arvex::test::TempAppFolder;

namespace {

std::string S(const QString& s) { return s.toStdString(); }

// The lines of standard error that the program wrote (not the toolkit's).
QString ArvexLines(const QString& err) {
  QStringList lines;
  for (const QString& l : err.split(u'\n'))
    if (l.startsWith(QStringLiteral("arvex: "))) lines << l + u'\n';
  return lines.join(QString());
}

// pdftotext gives runs of blanks as one.
bool HasText(const QString& pdfText, const QString& text) { return pdfText.simplified().contains(text.simplified()); }

QString PdfText(const QString& path, bool layout = false) {
  QProcess p;
  QStringList args;
  if (layout) args << QStringLiteral("-layout");
  args << path << QStringLiteral("-");
  p.start(QStringLiteral("pdftotext"), args);
  if (!p.waitForFinished(60000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPages(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {path});
  if (!p.waitForFinished(60000)) return -1;
  const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QStringList Samples() {
  return QDir(test::SourceDataFolder() + QStringLiteral("samples"))
      .entryList({QStringLiteral("*.rvx")}, QDir::Files, QDir::Name);
}

// A folder with the bundled data and a settings file of its own, so that no
// test reads or writes the user's settings.
class ReportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("ARVEX_SETTINGS_FILE", Settings().toLocal8Bit()); }
  void TearDown() override { qunsetenv("ARVEX_SETTINGS_FILE"); }
  QString Settings() const { return folder.FilePath(QStringLiteral("settings.ini")); }
  QString Sample(const QString& name) const { return folder.FilePath(QStringLiteral("samples/") + name); }
  QStringList Env() const {
    return {QStringLiteral("ARVEX_SETTINGS_FILE=") + Settings(), QStringLiteral("CUPS_SERVER=/nonexistent/cups.sock")};
  }
  CliResult Report(QStringList args) {
    args.prepend(QStringLiteral("report"));
    args << QStringLiteral("--app-folder") << folder.Path();
    return RunArvex(args);
  }
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
  void WriteStudy(const QString& name, const TimeStudy& study) {
    folder.Write(name, TimeStudyText(study).toLatin1());
  }
  TempAppFolder folder{true};
};

TEST_F(ReportCommandTest, EveryBundledSampleGivesAPdfWithTitleTotalAndProductionTable) {
  const QStringList samples = Samples();
  ASSERT_GE(samples.size(), 3);
  for (const QString& name : samples) {
    SCOPED_TRACE(name.toStdString());
    const QString out = folder.FilePath(name + QStringLiteral(".pdf"));
    const CliResult r = RunArvexProcess({QStringLiteral("report"), Sample(name), QStringLiteral("-o"), out,
                                         QStringLiteral("--app-folder"), folder.Path()},
                                        Env());
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    const int pages = PdfPages(out);
    EXPECT_EQ(S(r.Out), S(out + QStringLiteral(": ") + QString::number(pages) + (pages == 1 ? " page\n" : " pages\n")));
    const Workspace ws = Prepared(Sample(name));
    const ReportFigures f = ComputeReportFigures(ws);
    ASSERT_GT(f.CycleTotal, 0);
    const QString text = PdfText(out);
    EXPECT_TRUE(HasText(text, QStringLiteral("Cycle Time Estimate for ") + ws.Study.Header.MachineName));
    EXPECT_TRUE(HasText(text, QStringLiteral("Total Cycle Time= ") + Format(f.CycleTotal, QStringLiteral("###.##")) +
                              QStringLiteral("sec ") + f.CycleFormula))
        << text.toStdString();
    EXPECT_TRUE(HasText(text, QStringLiteral("Page  1 of ") + QString::number(pages)));
    // The table row by row, its cells in order on one line.
    const QString layout = PdfText(out, true);
    EXPECT_TRUE(layout.contains(QRegularExpression(QStringLiteral("Efficiency\\s+1 hr\\s+Shift\\s+Day\\s+Week\\s+Month\\s+Year"))));
    for (const ProductionRow& row : f.Production) {
      QStringList cells;
      for (const QString& c : row.Cells) cells << QRegularExpression::escape(c.trimmed());
      EXPECT_TRUE(layout.contains(QRegularExpression(cells.join(QStringLiteral("\\s+")))))
          << row.Cells.join(u'|').toStdString();
    }
    EXPECT_TRUE(HasText(text, QStringLiteral("Comparing Times by Groups")));
    EXPECT_TRUE(HasText(text, QStringLiteral("Tool Holders needed:")));
  }
}

TEST_F(ReportCommandTest, SwitchesLeaveOutTheirSections) {
  const QString out = folder.FilePath(QStringLiteral("off.pdf"));
  const CliResult r = Report({Sample(QStringLiteral("01-inch-sub-spindle.rvx")), QStringLiteral("-o"), out,
                              QStringLiteral("--no-cutting-data"), QStringLiteral("--no-tool-holders"),
                              QStringLiteral("--no-setup-data"), QStringLiteral("--no-images")});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(PdfPages(out), 1);
  const QString text = PdfText(out);
  EXPECT_TRUE(HasText(text, QStringLiteral("Approximate Setup Time:")));
  EXPECT_TRUE(HasText(text, QStringLiteral("*Notes*")));
  for (const QString& absent : {QStringLiteral("Comparing Times by Groups"), QStringLiteral("Tool Holders needed:"),
                                QStringLiteral("Setup time does not include")})
    EXPECT_FALSE(HasText(text, absent)) << absent.toStdString();
  EXPECT_TRUE(HasText(text, QStringLiteral("Page  1 of 1")));
}

TEST_F(ReportCommandTest, StoredSwitchesAndShopHoursAreUsed) {
  {
    QSettings store(Settings(), QSettings::IniFormat);
    store.setValue(QStringLiteral("PrintPreview/PrintCutData"), QStringLiteral("0"));
    store.setValue(QStringLiteral("Arvex/HoursShift"), QStringLiteral("7.5"));
    store.setValue(QStringLiteral("Arvex/HoursDay"), QStringLiteral("7.5"));
    store.setValue(QStringLiteral("Arvex/Disclaimer"), QStringLiteral("Shop estimate only"));
  }
  const QString out = folder.FilePath(QStringLiteral("stored.pdf"));
  const CliResult r = Report({Sample(QStringLiteral("03-main-spindle-only.rvx")), QStringLiteral("-o"), out});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  const QString text = PdfText(out);
  EXPECT_FALSE(HasText(text, QStringLiteral("Comparing Times by Groups")));
  EXPECT_TRUE(HasText(text, QStringLiteral("Tool Holders needed:")));
  EXPECT_TRUE(HasText(text, QStringLiteral("Shop estimate only")));
  EXPECT_TRUE(HasText(text, QStringLiteral("Table based on 7.5hours/shift,  8hours/day,  6 days/week")));
  // Reading the settings wrote nothing back.
  QSettings store(Settings(), QSettings::IniFormat);
  EXPECT_EQ(store.value(QStringLiteral("Arvex/HoursDay")).toString(), QStringLiteral("7.5"));
}

TEST_F(ReportCommandTest, AFailureNeverLeavesABrokenPdf) {
  const QString out = folder.FilePath(QStringLiteral("good.pdf"));
  ASSERT_EQ(Report({Sample(QStringLiteral("03-main-spindle-only.rvx")), QStringLiteral("-o"), out}).Status, 0);
  const QByteArray good = test::ReadBytes(out);
  ASSERT_TRUE(good.startsWith("%PDF-"));

  CliResult r = Report({folder.FilePath(QStringLiteral("missing.rvx")), QStringLiteral("-o"), out});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Err.contains(QStringLiteral("missing.rvx: no such time study"))) << r.Err.toStdString();
  EXPECT_EQ(test::ReadBytes(out), good);

  // A study without operations: the message, no report.
  WriteStudy(QStringLiteral("empty.rvx"), TimeStudy());
  r = Report({folder.FilePath(QStringLiteral("empty.rvx")), QStringLiteral("-o"), out});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Err.endsWith(QStringLiteral("arvex: There are no operations to print!\n"))) << S(r.Err);
  EXPECT_EQ(test::ReadBytes(out), good);

  r = Report({Sample(QStringLiteral("03-main-spindle-only.rvx")), QStringLiteral("-o"),
              folder.FilePath(QStringLiteral("no/such/folder/x.pdf"))});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Err.startsWith(QStringLiteral("arvex: cannot write "))) << r.Err.toStdString();
  EXPECT_FALSE(QFile::exists(folder.FilePath(QStringLiteral("no/such/folder/x.pdf"))));
}

TEST_F(ReportCommandTest, UsageMistakesAreRefused) {
  const QString sample = Sample(QStringLiteral("03-main-spindle-only.rvx"));
  CliResult r = Report({sample});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(S(r.Err), "arvex: give the PDF file to write with -o OUT.pdf\n");
  r = Report({sample, QStringLiteral("-o")});
  EXPECT_EQ(r.Status, 2);
  r = Report({QStringLiteral("-o"), folder.FilePath(QStringLiteral("x.pdf"))});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(S(r.Err), "arvex: give the time study to print (FILE.rvx)\n");
  r = Report({sample, QStringLiteral("-o"), folder.FilePath(QStringLiteral("x.pdf")), QStringLiteral("--no-notes")});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(S(r.Err), "arvex: unknown option --no-notes (try --help)\n");
  EXPECT_FALSE(QFile::exists(folder.FilePath(QStringLiteral("x.pdf"))));
}

TEST_F(ReportCommandTest, SyncWarningsGoToStandardErrorAndTheReportFollows) {
  Workspace ws = Prepared(Sample(QStringLiteral("01-inch-sub-spindle.rvx")));
  ws.Study.ClearSyncs();
  WriteStudy(QStringLiteral("nosyncs.rvx"), ws.Study);
  const QString out = folder.FilePath(QStringLiteral("nosyncs.pdf"));
  const CliResult r = Report({folder.FilePath(QStringLiteral("nosyncs.rvx")), QStringLiteral("-o"), out});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(S(r.Err), S(QStringLiteral("arvex: ") + QString::fromUtf16(kCheckSyncSettingsText) + QStringLiteral("\n")));
  EXPECT_TRUE(HasText(PdfText(out), QStringLiteral("Total Cycle Time=")));
}

TEST_F(ReportCommandTest, PartsCatcherRepairOnlyWhenAskedAndNeverSaved) {
  Workspace ws = Prepared(Sample(QStringLiteral("01-inch-sub-spindle.rvx")));
  TimeStudy& study = ws.Study;
  for (int i = 1; i <= kMaxOperations; ++i) study.Op(kSubSpindle, i) = Operation();
  study.ClearSyncs();
  study.SubOpCount = 0;
  study.Header.SubSpindleUsed = 1;
  study.Header.PartsCatcherUsed = 1;
  WriteStudy(QStringLiteral("catcher.rvx"), study);
  const QString path = folder.FilePath(QStringLiteral("catcher.rvx"));
  const QByteArray before = test::ReadBytes(path);
  const QString question = QString::fromUtf16(kPartsCatcherQuestionText);

  const QString plain = folder.FilePath(QStringLiteral("plain.pdf"));
  CliResult r = Report({path, QStringLiteral("-o"), plain});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_TRUE(r.Err.startsWith(QStringLiteral("arvex: ") + question + QStringLiteral(" [No]\n"))) << r.Err.toStdString();
  EXPECT_FALSE(HasText(PdfText(plain), QStringLiteral("Eject Part")));
  EXPECT_EQ(test::ReadBytes(path), before);

  const QString repaired = folder.FilePath(QStringLiteral("repaired.pdf"));
  r = Report({path, QStringLiteral("-o"), repaired, QStringLiteral("--repair")});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_TRUE(r.Err.startsWith(QStringLiteral("arvex: ") + question + QStringLiteral(" [Yes]\n"))) << r.Err.toStdString();
  EXPECT_TRUE(r.Err.contains(QStringLiteral("used for this report only; ") + path + QStringLiteral(" is not changed")))
      << r.Err.toStdString();
  EXPECT_TRUE(HasText(PdfText(repaired), QStringLiteral("Eject Part")));
  EXPECT_EQ(test::ReadBytes(path), before);
}

TEST_F(ReportCommandTest, PrintWithoutAPrinterFailsClearly) {
  const QString sample = Sample(QStringLiteral("03-main-spindle-only.rvx"));
  for (const QStringList& args :
       {QStringList{QStringLiteral("print"), sample}, QStringList{QStringLiteral("/P"), sample},
        QStringList{QStringLiteral("/p ") + sample}, QStringList{QStringLiteral("/P \"") + sample + u'"'},
        QStringList{QStringLiteral("/p"), u'"' + sample + u'"'}}) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    const CliResult r = RunArvexProcess(args + QStringList{QStringLiteral("--app-folder"), folder.Path()}, Env());
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(S(ArvexLines(r.Err)), S(QStringLiteral("arvex: no printer is available (no default printer is set up); ") +
                                      sample + QStringLiteral(" was not printed\n")));
    EXPECT_EQ(S(r.Out), "");
  }
}

TEST_F(ReportCommandTest, PrintingPaintsTheReportOnThePrintersPaper) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString out = folder.FilePath(QStringLiteral("printed.pdf"));
  printer.setOutputFileName(out);
  printer.setPageSize(QPageSize(QPageSize::A4));
  const PageSetup page = PageSetupOfPrinter(printer);
  EXPECT_NEAR(page.PaperWidth, 11906, 10);  // 210 x 297 mm
  EXPECT_NEAR(page.PaperHeight, 16838, 10);
  EXPECT_GE(page.Inset.left(), 360);

  const Workspace ws = Prepared(Sample(QStringLiteral("02-metric-sub-spindle.rvx")));
  ReportDocument doc(page);
  ComposeReport(ws, doc);
  QString error;
  ASSERT_TRUE(PrintReportDocument(doc, printer, &error)) << error.toStdString();
  EXPECT_EQ(PdfPages(out), doc.PageCount());
  const QString text = PdfText(out);
  EXPECT_TRUE(HasText(text, QStringLiteral("Cycle Time Estimate for ") + ws.Study.Header.MachineName));
  EXPECT_TRUE(HasText(text, QStringLiteral(" MM bar")));
  EXPECT_TRUE(HasText(text, QStringLiteral("Page  ") + QString::number(doc.PageCount()) + QStringLiteral(" of ") +
                            QString::number(doc.PageCount())));
}

TEST(UnattendedPrompterTest, AnswersNoUnlessTheRepairIsAskedFor) {
  QString err;
  QTextStream stream(&err);
  UnattendedPrompter plain(stream, false);
  const QString question = QString::fromUtf16(kPartsCatcherQuestionText);
  EXPECT_EQ(plain.Ask(question, kProgramTitle, Buttons::YesNo, Answer::Yes, MessageIcon::Question), Answer::No);
  EXPECT_FALSE(plain.Repaired());
  EXPECT_EQ(plain.Ask(QStringLiteral("Do you want to try again?"), kProgramTitle, Buttons::YesNo, Answer::Yes,
                      MessageIcon::Critical),
            Answer::No);
  EXPECT_EQ(plain.Ask(QStringLiteral("Retry?"), kProgramTitle, Buttons::RetryCancel, Answer::Retry, MessageIcon::None),
            Answer::Cancel);
  UnattendedPrompter repair(stream, true);
  EXPECT_EQ(repair.Ask(question, kProgramTitle, Buttons::YesNo, Answer::No, MessageIcon::Question), Answer::Yes);
  EXPECT_TRUE(repair.Repaired());
  EXPECT_EQ(repair.Ask(QStringLiteral("Save?"), kProgramTitle, Buttons::YesNoCancel, Answer::Yes, MessageIcon::None),
            Answer::No);
  stream.flush();
  EXPECT_TRUE(err.startsWith(QStringLiteral("arvex: ") + question + QStringLiteral(" [No]\n")));
}

}  // namespace
