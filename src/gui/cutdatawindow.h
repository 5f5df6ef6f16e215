#pragma once
// The cutting data window CutData ("Front Side Cut Data", "Back Side Cut
// Data"): a view of CutDataWindowForm. The operation list, the tool, name
// and holder combos, the thirteen fields, the grid of recommended cutting
// data, the buttons and the menus. Each widget event calls one form method;
// Refresh copies the form back. Modal.

#include "cutting/cutdatawindowform.h"
#include "windowcontext.h"

#include <QDialog>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QTableView;
class QToolButton;

namespace arvex {

class ClassicKeyFilter;
class CutDataModel;

class CutDataWindow : public QDialog, public CutDataWindowHost {
  Q_OBJECT
 public:
  // The window of one spindle; Form().Open() fills it.
  CutDataWindow(WindowContext& context, int spindle, QWidget* parent);
  ~CutDataWindow() override;

  CutDataWindowForm& Form() { return *form_; }
  // Copies the form's texts, lists, selections and states into the widgets.
  void Refresh();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // CutDataWindowHost
  void FocusToolCombo() override;
  void ShowAutoSet(int place) override;
  void ShowToolImage() override;
  void ShowOperationNames() override;

  QWidget* BuildList();
  QWidget* BuildEditors();
  QWidget* BuildButtons();
  QWidget* BuildGrid();
  void BuildMenus(QMenuBar* bar);
  void WatchKeys();
  // Runs a form event and refreshes.
  template <class Event>
  void Do(Event event);
  void OpenShopWindow(const WindowOpener& opener);
  int FieldOf(const QObject* widget) const;
  void RefreshField(int field);
  void RefreshGrid();
  // Leaves the control that has the focus, as a focus change would.
  void LeaveFocusedControl();

  WindowContext& context_;
  std::unique_ptr<CutDataWindowForm> form_;

  QListWidget* list_ = nullptr;
  QComboBox* tools_ = nullptr;
  QComboBox* names_ = nullptr;
  QComboBox* holders_ = nullptr;
  QComboBox* types_ = nullptr;
  std::array<QLineEdit*, kCuttingFieldCount> fields_{};
  std::array<TextSelection, kCuttingFieldCount> shownSelections_{};
  QLabel* material_ = nullptr;
  QLabel* cutTime_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* formulaHint_ = nullptr;
  QTableView* grid_ = nullptr;
  CutDataModel* model_ = nullptr;
  // The control the last key went down in: a key released elsewhere (the
  // Tab that moved the focus) is no key of that control.
  QObject* keyDownIn_ = nullptr;
};

// Shows the cutting data window of ws.Study.CurrentSpindle on its
// EditMainOp or EditSubOp, modally.
void OpenCutData(WindowContext& context, QWidget* parent);

}  // namespace arvex
