#pragma once
// "CNC Program Folder Setup": the first-run window, also reached from the
// Settings menu. It shows the application folder (machines, tables, the
// cutting-data database, the manual) and the folder time studies are kept
// in, lets the user change both, and fills the application folder from the
// bundled data without replacing any file the user has.

#include <QString>

class QSettings;

namespace arvex {

class Prompter;
struct Workspace;

class FolderSetupForm {
 public:
  static inline const QString kCaption = QStringLiteral("CNC Program Folder Setup");
  static inline const QString kAppFolderLabel = QStringLiteral("&Application folder:");
  static inline const QString kStudyFolderLabel = QStringLiteral("&Time-study folder:");
  static inline const QString kChooseCaption = QStringLiteral("Choose...");
  static inline const QString kFillCaption = QStringLiteral("&Fill Application Folder");
  static inline const QString kOkCaption = QStringLiteral("OK");
  static inline const QString kCancelCaption = QStringLiteral("Cancel");
  static inline const QString kHint = QStringLiteral(
      "The application folder holds the machine files, the cutting-data database, the shop tables, the "
      "operation names and the manual. \"Fill Application Folder\" copies the files that are missing from "
      "it; files that are there already are never replaced.");

  FolderSetupForm(Workspace& ws, Prompter& prompter, QSettings& store, QString bundledFolder);

  const QString& AppFolder() const { return appFolder_; }
  const QString& StudyFolder() const { return studyFolder_; }

  void SetAppFolder(const QString& folder) { appFolder_ = folder; }
  void SetStudyFolder(const QString& folder) { studyFolder_ = folder; }
  // The two "Choose..." buttons: a folder dialog.
  void ChooseAppFolder();
  void ChooseStudyFolder();
  // Copies the bundled files the application folder lacks and says what it
  // did.
  void Fill();
  // OK: stores both folders; a changed application folder is prepared and
  // the program's values are loaded from it. False (the window stays) when
  // the folder cannot be created.
  bool Accept();
  // Whatever way the window closes: "SetupDone" becomes "-1".
  void Closed();

 private:
  Workspace& ws_;
  Prompter& prompter_;
  QSettings& store_;
  QString bundled_;
  QString appFolder_;
  QString studyFolder_;
};

}  // namespace arvex
