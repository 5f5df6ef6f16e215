#include "report/reportsettingsform.h"

#include "platform/prompter.h"
#include "workspace.h"

#include <QFileInfo>

namespace arvex {

namespace {
const ReportSettingField* Field(int i) {
  const auto& fields = ReportSettingFields();
  return i >= 0 && i < static_cast<int>(fields.size()) ? &fields[static_cast<size_t>(i)] : nullptr;
}
}  // namespace

ReportSettingsForm::ReportSettingsForm(Workspace& ws, Prompter& prompter, QSettings& store)
    : ws_(ws), prompter_(prompter), store_(store) {}

int ReportSettingsForm::Count() const { return static_cast<int>(ReportSettingFields().size()); }

QString ReportSettingsForm::Text(int i) const {
  const ReportSettingField* f = Field(i);
  return f ? texts_.*f->Member : QString();
}

int ReportSettingsForm::LogoIndex() {
  const auto& fields = ReportSettingFields();
  for (size_t i = 0; i < fields.size(); ++i)
    if (fields[i].Member == &ReportSettingsTexts::LogoPic) return static_cast<int>(i);
  return -1;
}

void ReportSettingsForm::Load() { texts_ = ReadReportSettingsTexts(store_); }

void ReportSettingsForm::SetText(int i, const QString& text) {
  if (const ReportSettingField* f = Field(i)) texts_.*f->Member = text;
}

void ReportSettingsForm::ChooseFile() {
  FileRequest request{kLogoTitle, kLogoFilter, false, texts_.LogoPic, false};
  const std::optional<QString> chosen = prompter_.ChooseFile(request);
  if (!chosen || chosen->isEmpty()) return;
  SetText(LogoIndex(), QFileInfo(*chosen).absoluteFilePath());
}

void ReportSettingsForm::Save() {
  WriteReportSettingsTexts(store_, texts_);
  ws_.Report = ReportSettingsFromTexts(texts_);
}

}  // namespace arvex
