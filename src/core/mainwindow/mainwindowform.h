#pragma once
// The main window ARVEX as a form: the main and sub operation lists with
// their sync markers, the selections, the five comparison totals and the
// group selector, and one method per event of the window. The window shows
// the texts and forwards its events; every change of the study goes through
// the workspace's change path, and the form redisplays whenever the study
// changes, whoever changed it.
//
// List lines:
//   operation   "3) B 04.20 : 11.75  T05-Drill"  (number, group, own cutting
//               time, running cutting time within its group, tool-name)
//   sync marker "     Sync 3"
//   final line  " " (the place after the last operation; never an operation)
// Both lists are empty when neither holds an operation.

#include "report/timeline.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QSettings;

namespace arvex {

class Prompter;
struct Workspace;

// What the window does for the form: other windows, the focus, pending
// window events.
class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  // The cutting data window on ws.Study.CurrentSpindle.
  virtual void ShowOperationEditor() = 0;
  // The header window, modal.
  virtual void ShowHeaderWindow() = 0;
  // Gives list 1 (main) or 2 (sub) the keyboard focus.
  virtual void FocusList(int side) = 0;
  // Lets pending window events run.
  virtual void ProcessPendingEvents() = 0;
};

class MainWindowForm {
 public:
  static constexpr int kGroupChoiceCount = 30;
  static inline const QString kFinalLine = QStringLiteral(" ");
  static inline const QString kMarkerText = QStringLiteral("     Sync");

  // The texts of the window.
  static inline const QString kNewQuestion = QStringLiteral("There is a T/S loaded! Are you sure you want to clear it?");
  static inline const QString kDeleteQuestion = QStringLiteral("Are you sure you want to delete this operation? ");
  static inline const QString kCloseQuestion = QStringLiteral("Some Data was changed! Save before closing?");
  static inline const QString kCloseCaption = QStringLiteral("Save Dialog");
  static inline const QString kHideSyncs = QStringLiteral("Hide Syncs");
  static inline const QString kShowSyncs = QStringLiteral("Show Syncs");

  MainWindowForm(Workspace& ws, Prompter& prompter, QSettings& store, MainWindowHost& host);
  ~MainWindowForm();
  MainWindowForm(const MainWindowForm&) = delete;
  MainWindowForm& operator=(const MainWindowForm&) = delete;

  // Called after every event or change that alters what the window shows.
  void SetOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  // ---- what the window shows ----
  // "Arvex  V1.1.9".
  static QString Caption();
  // The About box: the title and the version.
  static QString AboutText();
  // The items of the group selector: "B1-C1" .. "B30-C30".
  static QStringList GroupChoices();
  // "Print to -" + printer and "Print Preview as -" + printer.
  static QString PrintToolTip(const QString& printer);
  static QString PreviewToolTip(const QString& printer);

  // Lines of List1 (side 1) and List2 (side 2).
  const QStringList& Lines(int side) const { return lines_[Index(side)]; }
  // The selected line of a list; -1 for none.
  int Selection(int side) const { return selection_[Index(side)]; }
  // Label2(0..4): A, B, C, D and the total with its formula.
  const QString& ValueLabel(int i) const { return labels_[static_cast<size_t>(i)]; }
  // The group selector's entry (0 = "B1-C1").
  int GroupChoice() const { return groupChoice_; }
  bool SyncsHidden() const { return syncsHidden_; }
  const QString& SyncToggleCaption() const { return syncsHidden_ ? kShowSyncs : kHideSyncs; }
  // "Add Sync Before Op " and "Remove Sync".
  bool SyncCommandsEnabled() const { return !syncsHidden_; }
  // "&Main Spl" (side 1) and "S&ub Spl" (side 2).
  bool EditorEnabled(int side) const { return editorEnabled_[Index(side)]; }
  // The spindle timeline under the totals, from the comparison of the last
  // redisplay; empty when neither list holds an operation.
  const Timeline& SpindleTimeline() const { return timeline_; }
  // The tool tip of a point of the timeline drawn in `frame`.
  QString TimelineToolTip(const TimelineFrame& frame, const QPointF& point) const;
  // lblFile: the study's file path.
  QString FileLabel() const;
  // The recent files, most recent first, and their menu captions.
  const QStringList& RecentFiles() const { return recent_; }
  QStringList RecentCaptions() const;

  // ---- reading list lines ----
  static bool IsOperationLine(const QString& line);
  static bool IsMarkerLine(const QString& line);
  // The number before the first ")" of an operation line.
  static int OperationNumber(const QString& line);
  // The number after "Sync" of a marker line.
  static int MarkerNumber(const QString& line);

  // ---- events ----
  // Rebuilds both lists from the study (runs the comparison first) and
  // keeps each selection by its index.
  void FillList();
  // Start-up: recent files and the empty lists.
  void Load();
  void ListGotFocus(int side);
  // A click (or the arrow keys) choosing a line.
  void ClickLine(int side, int index);
  // Double-click on the selected line.
  void DoubleClickLine(int side);
  // A click on the timeline drawn in `frame`: the operation under the
  // pointer becomes the selection of its list, which gets the focus.
  void ClickTimeline(const TimelineFrame& frame, const QPointF& point);
  // A key pressed in a list: 13 (Enter) opens the operation, 46 (Delete)
  // deletes it; other keys do nothing.
  void ListKeyDown(int side, int keyCode);
  // "&Main Spl" (1) and "S&ub Spl" (2).
  void EditorButton(int side);
  void MoveUp(int side);
  void MoveDown(int side);
  void CopyMainToSub();
  void CopySubToMain();
  void AddSync();
  void RemoveSync();
  void ToggleSyncs();
  void ChooseGroup(int index);
  // "&TS Data".
  void HeaderData();
  void New();
  void Open();
  void Save();
  void OpenRecent(int index);
  // A path given on the command line: read it, then the header window.
  void OpenAtStartUp(const QString& path);
  // The machine setup window closed: the study's machine again.
  void MachineSetupClosed();
  // The window is asked to close: false keeps the program running.
  bool CloseRequested();

 private:
  static size_t Index(int side) { return side == 2 ? 1 : 0; }
  void Changed();
  void BuildList(int side);
  void UpdateEditorButtons();
  void AfterOpen();
  bool ConfirmClear();
  // The index of the line of operation n, or of marker n; -1 when absent.
  int LineOfOperation(int side, int n) const;
  int LineOfMarker(int side, int n) const;
  // The place of a list's selection for Add Sync: an operation number, the
  // count + 1 for the final line, 0 for a marker or no selection.
  int SyncPlace(int side) const;
  void Move(int side, int step);
  void Copy(int from);
  const QString* SelectedLine(int side) const;

  Workspace& ws_;
  Prompter& prompter_;
  QSettings& store_;
  MainWindowHost& host_;
  int listenId_ = 0;
  std::function<void()> onChanged_;

  std::array<QStringList, 2> lines_;
  std::array<int, 2> selection_{-1, -1};
  std::array<QString, 5> labels_;
  int groupChoice_ = 0;
  bool syncsHidden_ = false;
  std::array<bool, 2> editorEnabled_{false, false};
  QStringList recent_;
  Timeline timeline_;
};

}  // namespace arvex
