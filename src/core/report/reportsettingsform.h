#pragma once
// The report settings window frmRVXset ("Settings-Shop Hours") as a form:
// the boxes of ReportSettingFields() with their stored texts, "Choose File"
// for the logo and "Save", which writes every box to the settings store in
// the table's order and copies the values into the workspace. Closing the
// window any other way discards the edits.

#include "report/reportsettings.h"

#include <QString>

class QSettings;

namespace arvex {

class Prompter;
struct Workspace;

class ReportSettingsForm {
 public:
  static inline const QString kCaption = QStringLiteral("Settings-Shop Hours");
  static inline const QString kChooseFileCaption = QStringLiteral("Choose File");
  static inline const QString kSaveCaption = QStringLiteral("Save");
  static inline const QString kLogoFilter = QStringLiteral("*.bmp;*.jpg;*.gif");
  static inline const QString kLogoTitle = QStringLiteral("Choose an image file");

  ReportSettingsForm(Workspace& ws, Prompter& prompter, QSettings& store);

  // The box of field i of ReportSettingFields().
  int Count() const;
  QString Text(int i) const;
  // The box whose file "Choose File" fills.
  static int LogoIndex();

  // Load: each box shows its stored text, or its default.
  void Load();
  void SetText(int i, const QString& text);
  // "Choose File": a chosen image's full path goes into the logo box.
  void ChooseFile();
  // "Save": the store in the table's order, then the workspace.
  void Save();

 private:
  Workspace& ws_;
  Prompter& prompter_;
  QSettings& store_;
  ReportSettingsTexts texts_;
};

}  // namespace arvex
