#pragma once
// The machine setup window MachSetup ("Machine Setup") as a form: the
// machine list and a typed new name, the two check boxes that enable their
// pages, five pages of fields, the three holder lists and the two tooling
// images, and Save. The texts are the machine file's own: lengths in inches
// whatever the open study's units, numbers saved exactly as typed.
//
// Choosing a machine reads its file for editing and leaves the study's
// loaded machine alone; whoever opened the window loads the study's machine
// again when it closes.

#include "machine/machinesetup.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace arvex {

class Prompter;
struct Workspace;

class MachineSetupForm {
 public:
  static inline const QString kCaption = QStringLiteral("Machine Setup");
  static inline const QString kMachineLabel = QStringLiteral("Machine &Name:");
  static inline const QString kSubSpindleCaption = QStringLiteral("Has S&ub Spindle");
  static inline const QString kLiveToolsCaption = QStringLiteral("Has &Live Tooling");
  static inline const QString kSaveCaption = QStringLiteral("Save");
  static inline const QString kCancelCaption = QStringLiteral("Cancel");
  static inline const QString kChooseFileCaption = QStringLiteral("Choose File");
  static inline const QString kAddHolderCaption = QStringLiteral("Add");
  static inline const QString kRemoveCaption = QStringLiteral("Remove");
  static inline const QString kToolsHint = QStringLiteral("Tools use: \"Name,T#,T#,T#,T#,T#,T#\"");
  static inline const QString kHoldersNote = QStringLiteral("Max amount in each group of holders is 30!");
  static inline const QString kImageDialogTitle = QStringLiteral("Choose an image file");
  static inline const QString kImageFilter = QStringLiteral("*.bmp;*.jpg;*.gif");

  // The five pages (Option1 0..4 and Frame1 0..4).
  enum Page { kMainPage = 0, kSubPage = 1, kLivePage = 2, kHoldersPage = 3, kImagesPage = 4 };
  static constexpr int kPageCount = 5;
  static inline const std::array<QString, kPageCount> kPageCaptions = {
      QStringLiteral("&Main Spindle"), QStringLiteral("&Sub Spindle"), QStringLiteral("&Live Spindle"),
      QStringLiteral("&Tool Holders"), QStringLiteral("&Image Files")};
  // The frames of the live spindle page.
  static inline const std::array<QString, 4> kLiveCaptions = {
      QStringLiteral("Live Spindle 1 Main TP1"), QStringLiteral("Live Spindle 2 Main TP2"),
      QStringLiteral("Live Spindle 3 Sub TP1"), QStringLiteral("Live Spindle 4 Sub TP2")};
  static inline const std::array<QString, 3> kHolderLabels = {
      QStringLiteral("OD Holders:"), QStringLiteral("ID Holders:"), QStringLiteral("Live Holders:")};
  static inline const std::array<QString, 2> kImageLabels = {QStringLiteral("Main Spindle TP Image file:"),
                                                             QStringLiteral("Sub Spindle TP Image file:")};
  static constexpr int kHolderKinds = 3;
  // Holders kept by the file for each kind; further entries are not saved.
  static constexpr int kHolderSlots = 30;

  // The label of field 0..68 (the two "Other" description and time fields
  // share theirs), and its unit ("sec", "min", "RPM", "in", "in/min"; "" for
  // none). Lengths are inches: the file holds inches.
  static QString FieldLabel(int field);
  static QString FieldUnit(int field);
  // How a page of fields (main, sub, live) is read: columns of titled
  // groups, each field of the page once. Within a group an "Other"
  // description and its time share a row.
  struct FieldGroup {
    QString Title;
    std::vector<int> Fields;
  };
  using PageColumns = std::vector<std::vector<FieldGroup>>;
  static const PageColumns& FieldLayout(int page);

  MachineSetupForm(Workspace& ws, Prompter& prompter);

  // ---- what the window shows ----
  const QStringList& Machines() const { return machines_; }
  // The text of the machine combo.
  const QString& MachineName() const { return name_; }
  // The chosen entry of the list; -1 when the text is typed.
  int MachineIndex() const { return machineIndex_; }
  const MachineSetupTexts& Texts() const { return texts_; }
  const QString& Field(int field) const { return texts_.Fields[static_cast<size_t>(field)]; }
  bool PageEnabled(int page) const;
  int CurrentPage() const { return page_; }
  const QString& HolderEntry(int kind) const { return entries_[static_cast<size_t>(kind)]; }
  // Beside a holder list: "5 of 30"; past 30 it says the rest is not saved.
  QString HolderCountText(int kind) const;
  // The selected entry of a holder list; -1 for none.
  int HolderSelection(int kind) const { return selection_[static_cast<size_t>(kind)]; }

  // ---- events ----
  // Opening: the machine list, an empty form, the main spindle page.
  void Load();
  // An entry of the machine list chosen: its file's values.
  void ChooseMachine(int index);
  // A name typed into the machine combo.
  void SetMachineName(const QString& name);
  void SetHasSubSpindle(bool has);
  void SetHasLiveTools(bool has);
  void ChoosePage(int page);
  void SetField(int field, const QString& text);
  void SetToolImage(int which, const QString& path);
  // "Choose File" beside image field 0 or 1.
  void ChooseToolImage(int which);
  // A key typed into a holder entry field: true when refused (a double
  // quote, with the message).
  bool HolderKeyPress(QChar typed);
  // A holder entry field's text; one holding a double quote is refused.
  bool SetHolderEntry(int kind, const QString& text);
  void SelectHolder(int kind, int row);
  // The add button: the entry's text goes to the end of its list.
  void AddHolder(int kind);
  // "Remove": the selected entry goes back into the entry field.
  void RemoveHolder(int kind);
  // "Save": writes the file of the name in the combo and says so. False
  // when nothing was written (a name a file cannot carry, a replacement
  // declined, a file that cannot be written: the old file stays).
  bool Save();

 private:
  Workspace& ws_;
  Prompter& prompter_;

  QStringList machines_;
  QString name_;
  int machineIndex_ = -1;
  // The machine whose file the texts came from or were last saved to.
  QString shownMachine_;
  MachineSetupTexts texts_;
  int page_ = kMainPage;
  std::array<QString, kHolderKinds> entries_;
  std::array<int, kHolderKinds> selection_{-1, -1, -1};
};

}  // namespace arvex
