// The print preview form and the print flows the windows and the command
// words share, on a scripted print system (no real queue is ever used).

#include "report/printpreviewform.h"
#include "report/reportrender.h"
#include "report/reportsettings.h"

#include "document/rvxfile.h"
#include "engine/comparison.h"
#include "engine/printchecks.h"
#include "platform/scriptedprompter.h"
#include "platform/settingsstore.h"
#include "report/reportsettingsform.h"
#include "session/reportsession.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

namespace arvex {
namespace {

// A print system with one printer "Shop" (Letter by default, A4 too) that
// records what it is given and refuses when told to.
class ScriptedQueues : public PrintQueues {
 public:
  QString Default = QStringLiteral("Shop");
  bool Accepting = true;
  QString SubmitError;  // non-empty: the submission fails with it
  QStringList Submitted;  // "printer|title|media|copies|pages-bytes-start"

  QString DefaultPrinter() override { return Default; }
  std::optional<PrinterPaper> DefaultPaper(const QString& printer) override {
    if (printer != QStringLiteral("Shop")) return std::nullopt;
    return PrinterPaper{QSizeF(12240, 15840), QMarginsF(240, 240, 240, 240), QStringLiteral("na_letter_8.5x11in")};
  }
  std::optional<PrinterPaper> PaperOfSize(const QString& printer, QSizeF size) override {
    if (printer != QStringLiteral("Shop") || std::abs(size.width() - 11906) > 20) return std::nullopt;
    return PrinterPaper{QSizeF(11906, 16838), QMarginsF(720, 720, 720, 720), QStringLiteral("iso_a4_210x297mm")};
  }
  bool AcceptsJobs(const QString& /*printer*/, QString* why) override {
    if (Accepting) return true;
    *why = QStringLiteral("the printer Shop is not accepting jobs (out for repair)");
    return false;
  }
  int SubmitPdf(const QString& printer, const QString& pdf, const QString& title, const QString& media, int copies,
                QString* error) override {
    if (!SubmitError.isEmpty()) {
      *error = SubmitError;
      return 0;
    }
    Submitted << printer + u'|' + title + u'|' + media + u'|' + QString::number(copies) + u'|' +
                     QString::fromLatin1(test::ReadBytes(pdf).left(5));
    return 41;
  }
};

class NoWindows : public PrintPreviewHost {
 public:
  bool PageSetupDialog() override { return ++dialogs; }
  bool PrinterDialog() override { return ++dialogs; }
  void ShowReportSettings() override { ++dialogs; }
  bool CanShowMachineSetup() const override { return machine; }
  void ShowMachineSetup() override { ++dialogs; }
  int dialogs = 0;
  bool machine = false;
};

// A settings file of its own in a temporary application folder.
class ReportSettingsTest : public ::testing::Test {
 protected:
  explicit ReportSettingsTest(bool bundled = false) : folder(bundled) {}
  std::unique_ptr<QSettings> Store() {
    return std::make_unique<QSettings>(folder.FilePath("settings.ini"), QSettings::IniFormat);
  }
  test::TempAppFolder folder;
};

// The bundled sample read and checked for printing.
class PrintPreviewTest : public ReportSettingsTest {
 protected:
  PrintPreviewTest() : ReportSettingsTest(true) {}
  void SetUp() override {
    ws.AppFolder = folder.Path();
    ASSERT_TRUE(ReadTimeStudy(ws, folder.FilePath("samples/01-inch-sub-spindle.rvx"), prompter).FileRead);
    ws.Study.FilePath = folder.FilePath("samples/01-inch-sub-spindle.rvx");
    ASSERT_TRUE(PrepareReportChecks(ws, prompter));
    prompter.Clear();
  }
  // A form loaded on a store of its own.
  std::unique_ptr<PrintPreviewForm> Loaded() {
    store = Store();
    auto form = std::make_unique<PrintPreviewForm>(ws, prompter, *store, queues, host);
    form->Load();
    return form;
  }

  Workspace ws;
  ScriptedPrompter prompter;
  ScriptedQueues queues;
  NoWindows host;
  std::unique_ptr<QSettings> store;
};

TEST_F(PrintPreviewTest, SwitchesComposeAgainAndSurviveARestart) {
  store = Store();
  PrintPreviewForm form(ws, prompter, *store, queues, host);
  // Clicks while the boxes are being set up do nothing.
  form.ClickSwitch(0, false);
  EXPECT_EQ(form.PageCount(), 0);
  EXPECT_TRUE(store->allKeys().isEmpty());
  form.Load();
  ASSERT_GT(form.PageCount(), 1);
  for (int i = 0; i < static_cast<int>(ReportSwitchFields().size()); ++i) form.ClickSwitch(i, false);
  EXPECT_EQ(form.Switches(), ReportSwitches::AllOff());
  EXPECT_EQ(form.PageCount(), 1);  // only the fixed sections are left
  EXPECT_EQ(store->value("PrintPreview/PrintToolImage").toString(), "0");

  // The next run of the program reads them from the settings file.
  form.ClickSwitch(1, true);
  auto again = Loaded();
  EXPECT_FALSE(again->Switch(0));
  EXPECT_TRUE(again->Switch(1));
  EXPECT_FALSE(again->Switch(2));
}

TEST_F(PrintPreviewTest, PagesMoveWithinTheReportOnlyAndExportGivesAPdf) {
  auto form = Loaded();
  const int count = form->PageCount();
  ASSERT_GE(count, 3);
  EXPECT_EQ(form->PageLabel(), "1 of " + QString::number(count));
  form->PreviousPage();
  EXPECT_EQ(form->Page(), 1);
  form->LastPage();
  form->NextPage();
  EXPECT_EQ(form->Page(), count);
  form->FirstPage();
  for (const std::optional<QString>& typed :
       std::vector<std::optional<QString>>{"0", QString::number(count + 1), "two", std::nullopt}) {
    prompter.QueueText(typed);
    form->GoToPage();
    EXPECT_EQ(form->Page(), 1) << typed.value_or("Cancel").toStdString();
  }
  // A no-break space pasted in, an em space typed: blanks all the same.
  prompter.QueueText(QString::fromUtf8("\u00a03\u2003"));
  form->GoToPage();
  EXPECT_EQ(form->Page(), 3);
  EXPECT_EQ(prompter.Entries().back().Text, "Go to Page");

  form->ChooseZoomMode(static_cast<int>(ZoomMode::TwoPages));
  form->SetPage(2);
  EXPECT_EQ(form->PageLabel(), "2 - 3 of " + QString::number(count));
  form->LastPage();
  EXPECT_EQ(form->PageLabel(), QString::number(count) + " of " + QString::number(count));
  form->ChooseZoomMode(static_cast<int>(ZoomMode::Percentage));
  form->ChoosePercent(3);
  EXPECT_EQ(form->ZoomPercent(), 150);

  // Export PDF writes the document shown.
  prompter.Clear();
  prompter.QueueFile(folder.FilePath("estimate"));
  form->ExportPdf();
  ASSERT_EQ(prompter.Entries().size(), 1);
  EXPECT_EQ(prompter.Entries()[0].File.Proposal, folder.FilePath("samples/01-inch-sub-spindle.pdf"));
  EXPECT_EQ(prompter.Entries()[0].File.Filter, "*.pdf");
  const QByteArray pdf = test::ReadBytes(folder.FilePath("estimate.pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  // An empty document is refused and the good file stays.
  QString error;
  EXPECT_FALSE(WriteReportPdf(ReportDocument(), folder.FilePath("estimate.pdf"), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(test::ReadBytes(folder.FilePath("estimate.pdf")), pdf);
}

TEST_F(PrintPreviewTest, LaidOutOnThePrintersPaperAndPrintedOnlyWhenAccepted) {
  auto form = Loaded();
  EXPECT_EQ(form->PrinterLabel(), "Shop");
  EXPECT_EQ(form->Document().Setup(), PageSetupOfPaper(*queues.DefaultPaper("Shop")));

  // A refusing printer: the message, nothing sent, the window stays.
  queues.Accepting = false;
  EXPECT_FALSE(form->Print());
  EXPECT_EQ(prompter.Messages(),
            QStringList{"The report was not printed on Shop: the printer Shop is not accepting jobs (out for repair)."});
  EXPECT_TRUE(queues.Submitted.isEmpty());

  queues.Accepting = true;
  queues.SubmitError = "client-error-not-possible";  // turned down by the print system
  prompter.Clear();
  EXPECT_FALSE(form->Print());
  EXPECT_EQ(prompter.Messages(), QStringList{"The report was not printed on Shop: client-error-not-possible."});

  // Page Setup chose A4: composed and sent on A4.
  queues.SubmitError.clear();
  ws.Printer.Paper = QSizeF(11906, 16838);
  form->PageSetup();
  EXPECT_EQ(form->Document().Setup().PaperWidth, 11906);
  EXPECT_TRUE(form->Print());
  EXPECT_EQ(queues.Submitted,
            QStringList{"Shop|Cycle Time Estimate - " + ws.Study.Header.PartNo + "|iso_a4_210x297mm|1|%PDF-"});

  // No printer at all: US Letter on screen, and the message.
  queues.Default.clear();
  ws.Printer = {};
  form->PrinterSetup();
  EXPECT_EQ(form->PrinterLabel(), "No printer");
  EXPECT_EQ(form->Document().Setup(), PageSetup::Letter());
  prompter.Clear();
  EXPECT_FALSE(form->Print());
  ASSERT_EQ(prompter.Messages().size(), 1);
  EXPECT_TRUE(prompter.Messages()[0].startsWith("There is no printer to print on")) << prompter.Messages()[0].toStdString();
}

TEST_F(PrintPreviewTest, PrintCommandChecksThePrinterBeforeAskingOrComposing) {
  // The parts catcher's question would change the study: a refusing printer
  // is known first.
  for (int i = 1; i <= kMaxOperations; ++i) ws.Study.Op(kSubSpindle, i) = Operation();
  ws.Study.SubOpCount = 0;
  ws.Study.ClearSyncs();
  ws.Study.Header.PartsCatcherUsed = 1;
  queues.Accepting = false;
  store = Store();
  const PrintResult refused = PrintCommand(ws, prompter, *store, queues);
  EXPECT_EQ(refused.Outcome, PrintOutcome::Refused);
  EXPECT_EQ(prompter.Texts(),
            QStringList{"The report was not printed on Shop: the printer Shop is not accepting jobs (out for repair)."});
  EXPECT_EQ(ws.Study.SubOpCount, 0);

  queues.Accepting = true;
  prompter.Clear();
  prompter.QueueAnswer(Answer::No);
  const PrintResult printed = PrintCommand(ws, prompter, *store, queues);
  EXPECT_TRUE(printed.Printed());
  EXPECT_EQ(printed.JobId, 41);
  EXPECT_EQ(prompter.Texts().value(0), QString::fromUtf16(kPartsCatcherQuestionText));
  EXPECT_EQ(queues.Submitted.size(), 1);
}

TEST_F(PrintPreviewTest, SettingsMenuEntriesComposeAgainAndReportSettingsWaitForSave) {
  auto form = Loaded();
  const int before = form->Generation();
  form->PrintingSetup();
  EXPECT_EQ(form->Generation(), before + 1);
  host.machine = true;
  form->MachineSetup();
  EXPECT_EQ(host.dialogs, 2);
  EXPECT_EQ(form->Generation(), before + 2);

  auto settingsStore = Store();
  ReportSettingsForm settings(ws, prompter, *settingsStore);
  settings.Load();
  settings.SetText(0, "7.5");
  prompter.QueueFile(folder.FilePath("logo.bmp"));
  settings.ChooseFile();
  EXPECT_EQ(prompter.Entries().back().Text, "Choose an image file");
  EXPECT_EQ(prompter.Entries().back().Caption, "*.bmp;*.jpg;*.gif");
  EXPECT_FALSE(settingsStore->contains("Arvex/HoursShift"));  // nothing before Save
  settings.Save();
  EXPECT_EQ(settingsStore->value("Arvex/LogoPic").toString(), folder.FilePath("logo.bmp"));
  EXPECT_EQ(ws.Report.HoursShift, 7.5f);
}

TEST_F(ReportSettingsTest, AnEmptyStoreGivesTheDefaultsAndReadingWritesNothing) {
  auto store = Store();
  EXPECT_EQ(ReadReportSettingsTexts(*store), ReportSettingsTexts());
  EXPECT_EQ(ReportSettingsTexts().Disclaimer,
            "*** This is a time estimate, the actual machining time will vary. ***");
  EXPECT_EQ(ReportSettingsTexts().LogoSize, "100");
  EXPECT_EQ(LoadReportSettings(*store), ReportSettings());
  EXPECT_EQ(LoadReportSwitches(*store), ReportSwitches());
  EXPECT_TRUE(store->allKeys().isEmpty());
}

TEST_F(ReportSettingsTest, TextsAreReadByTheirLeadingNumber) {
  struct Case {
    const char *Shift, *Day, *Week, *Logo;
    float HoursShift;
    int HoursDay, DaysWeek, LogoSize;
  };
  const Case cases[] = {
      // Half hours a shift stay; the integers round halves to even.
      {"7.5", "7.5", "4.5", "62.5", 7.5f, 8, 4, 62},
      {"8 hours", "abc", "99999", "", 8, 0, 6, 0},  // 99999 is too large: the default stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Shift + std::string("|") + c.Day + '|' + c.Week + '|' + c.Logo);
    ReportSettingsTexts texts;
    texts.HoursShift = c.Shift, texts.HoursDay = c.Day, texts.DaysWeek = c.Week, texts.LogoSize = c.Logo;
    const ReportSettings s = ReportSettingsFromTexts(texts);
    EXPECT_EQ(s.HoursShift, c.HoursShift);
    EXPECT_EQ(s.HoursDay, c.HoursDay);
    EXPECT_EQ(s.DaysWeek, c.DaysWeek);
    EXPECT_EQ(s.LogoSize, c.LogoSize);
  }
}

TEST_F(ReportSettingsTest, TextsAreStoredUnderTheProgramSectionAndComeBackAsTyped) {
  ReportSettingsTexts texts;
  texts.HoursShift = "7.5", texts.DaysWeek = "4.5", texts.LogoPic = "/home/me/logo.jpg";
  texts.Disclaimer = "Estimate, not a promise; \"quoted\"";
  texts.MachineRate = "85 per hour", texts.SetupRate = "-60", texts.BatchQuantity = "2.5";
  texts.QuotedEfficiency = "87.5";
  WriteReportSettingsTexts(*Store(), texts);
  const QString ini = QString::fromUtf8(test::ReadBytes(folder.FilePath("settings.ini")));
  EXPECT_TRUE(ini.startsWith("[Arvex]"));
  auto again = Store();  // a new store on the same file
  EXPECT_EQ(ReadReportSettingsTexts(*again), texts);
  EXPECT_EQ(ReadSetting(*again, "Arvex", "MachineRate", QString()), "85 per hour");
  EXPECT_EQ(LoadReportSettings(*again).DaysWeek, 4);
  // A negative rate is no rate; the quantity rounds halves to even.
  EXPECT_EQ(LoadReportSettings(*again).Costs, (CostSettings{85, 0, 0, 2, 87.5}));
  texts.MachineRate = "";
  texts.BatchQuantity = "99999999999";
  texts.QuotedEfficiency = "x";
  EXPECT_EQ(CostSettingsFromTexts(texts), (CostSettings{0, 0, 0, 1000, 0}));

  // A value with commas written by hand is one text.
  test::WriteBytes(folder.FilePath("settings.ini"), "[Arvex]\nDisclaimer=An estimate, not a quote\n");
  EXPECT_EQ(ReadReportSettingsTexts(*Store()).Disclaimer, "An estimate, not a quote");
}

}  // namespace
}  // namespace arvex
