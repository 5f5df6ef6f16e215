#include "report/printpreviewform.h"

#include "engine/comparison.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "session/reportsession.h"
#include "session/studysession.h"
#include "workspace.h"

#include <QFileInfo>

#include <algorithm>

namespace arvex {

QStringList PrintPreviewForm::ZoomModes() {
  return {QStringLiteral("Percentage"), QStringLiteral("Thumbnail"),  QStringLiteral("Two Pages"),
          QStringLiteral("Whole Page"), QStringLiteral("Page Width"), QStringLiteral("Stretch")};
}

QStringList PrintPreviewForm::Percentages() {
  return {QStringLiteral("50"),  QStringLiteral("75"),  QStringLiteral("100"),
          QStringLiteral("150"), QStringLiteral("200"), QStringLiteral("400")};
}

PrintPreviewForm::PrintPreviewForm(Workspace& ws, Prompter& prompter, QSettings& store, PrintQueues& queues,
                                   PrintPreviewHost& host)
    : ws_(ws), prompter_(prompter), store_(store), queues_(queues), host_(host) {}

QString PrintPreviewForm::PrinterLabel() const {
  return target_.HasPrinter() ? target_.DisplayName() : kNoPrinter;
}

bool PrintPreviewForm::Switch(int index) const {
  const auto& fields = ReportSwitchFields();
  if (index < 0 || index >= static_cast<int>(fields.size())) return false;
  return switches_.*fields[static_cast<size_t>(index)].Member;
}

int PrintPreviewForm::ZoomPercent() const { return Percentages().value(percentIndex_).toInt(); }

int PrintPreviewForm::SecondPage() const {
  return zoom_ == ZoomMode::TwoPages && page_ < PageCount() ? page_ + 1 : 0;
}

QString PrintPreviewForm::PageLabel() const {
  const QString count = QString::number(std::max(1, PageCount()));
  const int second = SecondPage();
  if (second > 0) return QString::number(page_) + QStringLiteral(" - ") + QString::number(second) +
                         QStringLiteral(" of ") + count;
  return QString::number(page_) + QStringLiteral(" of ") + count;
}

void PrintPreviewForm::Changed() {
  if (onChanged_) onChanged_();
}

void PrintPreviewForm::ResolvePrinter() { target_ = ResolvePrintTarget(ws_.Printer, queues_); }

void PrintPreviewForm::Compose() {
  ComposeStudyReport(ws_, doc_, target_.Page, switches_);
  ++generation_;
  page_ = 1;
  Changed();
}

void PrintPreviewForm::Load() {
  const QString logo = ws_.AppPath(kLogoFile);
  logoPath_ = QFileInfo(logo).isFile() ? logo : QString();
  ResolvePrinter();
  switches_ = LoadReportSwitches(store_);
  loaded_ = true;
  Compose();
}

void PrintPreviewForm::ClickSwitch(int index, bool on) {
  const auto& fields = ReportSwitchFields();
  if (!loaded_ || index < 0 || index >= static_cast<int>(fields.size())) return;
  const ReportSwitchField& field = fields[static_cast<size_t>(index)];
  switches_.*field.Member = on;
  Compose();
  SaveReportSwitch(store_, field.Key, on);
}

void PrintPreviewForm::ChooseZoomMode(int index) {
  if (index < 0 || index >= ZoomModes().size()) return;
  zoom_ = static_cast<ZoomMode>(index);
  Changed();
}

void PrintPreviewForm::ChoosePercent(int index) {
  if (index < 0 || index >= Percentages().size()) return;
  percentIndex_ = index;
  Changed();
}

void PrintPreviewForm::SetPage(int page) {
  if (page < 1 || page > PageCount() || page == page_) return;
  page_ = page;
  Changed();
}

void PrintPreviewForm::FirstPage() { SetPage(1); }
void PrintPreviewForm::PreviousPage() { SetPage(page_ - 1); }
void PrintPreviewForm::NextPage() { SetPage(page_ + 1); }
void PrintPreviewForm::LastPage() { SetPage(PageCount()); }

void PrintPreviewForm::GoToPage() {
  const std::optional<QString> text = prompter_.AskText(kGoToPagePrompt, kProgramTitle, QString());
  if (!text) return;
  bool whole = false;
  const int page = text->trimmed().toInt(&whole);
  if (whole) SetPage(page);
}

bool PrintPreviewForm::Print() {
  if (PageCount() < 1) return true;
  // The printer may have gone, or its paper changed, since the report was
  // laid out.
  ResolvePrinter();
  PrintResult result;
  if (!target_.HasPrinter()) {
    result.Outcome = PrintOutcome::NoPrinter;
  } else if (target_.OutputFile.isEmpty() && !queues_.AcceptsJobs(target_.Printer, &result.Error)) {
    result.Outcome = PrintOutcome::Refused;
  } else {
    if (!(doc_.Setup() == target_.Page)) Compose();
    result = PrintComposedReport(ws_, doc_, target_, queues_);
  }
  if (result.Printed()) return true;
  Changed();
  prompter_.ShowMessage(PrintFailureText(result, target_), kProgramTitle, MessageIcon::Exclamation);
  return false;
}

void PrintPreviewForm::ExportPdf() {
  if (PageCount() < 1) return;
  ExportReportPdf(ws_, doc_, prompter_, StudyFolder(store_));
}

void PrintPreviewForm::PageSetup() {
  host_.PageSetupDialog();
  ResolvePrinter();
  Compose();
}

void PrintPreviewForm::PrinterSetup() {
  host_.PrinterDialog();
  ResolvePrinter();
  Compose();
}

void PrintPreviewForm::PrintingSetup() {
  host_.ShowReportSettings();
  Compose();
}

void PrintPreviewForm::MachineSetup() {
  if (!host_.CanShowMachineSetup()) return;
  host_.ShowMachineSetup();
  ReloadStudyMachine(ws_, prompter_);
  // The machine's times are in the comparison the report reads.
  GetTime(ws_);
  Compose();
}

}  // namespace arvex
