// frmPrint and frmRVXset bound to their forms, and the print path on a PDF
// printer (QPrinter in PDF mode).

#include "guitest.h"

#include "document/rvxfile.h"
#include "engine/printchecks.h"
#include "printerdialogs.h"
#include "printpreviewwindow.h"
#include "report/reportsettingsform.h"
#include "reportsettingsdialog.h"
#include "session/reportsession.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace arvex::test {
namespace {

// A computer without printers: nothing is ever sent to a queue.
class NoPrinters : public PrintQueues {
 public:
  QString DefaultPrinter() override { return {}; }
  std::optional<PrinterPaper> DefaultPaper(const QString&) override { return std::nullopt; }
  std::optional<PrinterPaper> PaperOfSize(const QString&, QSizeF) override { return std::nullopt; }
  bool AcceptsJobs(const QString&, QString*) override { return false; }
  int SubmitPdf(const QString&, const QString&, const QString&, const QString&, int, QString*) override { return 0; }
};

class PrintWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadTimeStudy(f.Ws, f.Folder.FilePath("samples/01-inch-sub-spindle.rvx"), f.Prompter).FileRead);
    ASSERT_TRUE(PrepareReportChecks(f.Ws, f.Prompter));
  }
  GuiFixture f;
  NoPrinters queues;
};

TEST_F(PrintWindowsTest, PreviewShowsTheFormAndForwardsItsEvents) {
  PrintPreviewWindow window(f.Context, queues);
  const QString count = QString::number(window.Form().PageCount());
  auto* page = Find<QLabel>(&window, "lblPage");
  EXPECT_EQ(page->text(), "1 of " + count);
  QTest::mouseClick(Find<QPushButton>(&window, "cmdNext"), Qt::LeftButton);
  EXPECT_EQ(page->text(), "2 of " + count);
  Find<QScrollBar>(&window, "scrlPage")->setValue(3);
  EXPECT_EQ(window.Form().Page(), 3);

  Find<QCheckBox>(&window, "Check1")->click();
  EXPECT_FALSE(window.Form().Switch(0));
}

TEST_F(PrintWindowsTest, ReportSettingsSaveWhatWasTyped) {
  ReportSettingsForm form(f.Ws, f.Prompter, *f.Store);
  form.Load();
  ReportSettingsDialog dialog(form, nullptr);
  auto* hoursDay = Find<QLineEdit>(&dialog, "txtSet_2");
  EXPECT_EQ(hoursDay->text(), "20");
  hoursDay->selectAll();
  QTest::keyClicks(hoursDay, "7.5");
  Find<QPushButton>(&dialog, "Command1")->click();
  EXPECT_EQ(f.Store->value("Arvex/HoursDay").toString(), "7.5");
}

// The print commands on a PDF printer give the report on its paper.
TEST_F(PrintWindowsTest, PrintingOnAPdfPrinterGivesTheReportOnItsPaper) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString out = f.Folder.FilePath("printed.pdf");
  printer.setOutputFileName(out);
  printer.setPageSize(QPageSize(QPageSize::A4));
  f.Ws.Printer = ChoiceOfPrinter(printer);
  const PrintResult result = PrintCommand(f.Ws, f.Prompter, *f.Store, queues);
  ASSERT_TRUE(result.Printed()) << result.Error.toStdString();

  QProcess info;
  info.start("pdfinfo", {out});
  ASSERT_TRUE(info.waitForFinished(60000));
  const QString text = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(text.contains("Pages:           " + QString::number(result.Pages))) << text.toStdString();
  EXPECT_TRUE(text.contains("(A4)")) << text.toStdString();
}

}  // namespace
}  // namespace arvex::test
