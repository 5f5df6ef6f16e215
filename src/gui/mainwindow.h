#pragma once
// The main window ARVEX: a view of MainWindowForm. The two operation lists
// with their move and copy buttons, the sync commands, the comparison
// totals with the group selector, the menus and the toolbar. Each widget
// signal calls one form method; Refresh copies the form back.

#include "mainwindow/mainwindowform.h"
#include "windowcontext.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;

namespace arvex {

class MainWindow : public QMainWindow, public MainWindowHost {
  Q_OBJECT
 public:
  explicit MainWindow(WindowContext& context, QWidget* parent = nullptr);
  ~MainWindow() override;

  MainWindowForm& Form() { return *form_; }
  // Copies the form's texts, selections and states into the widgets.
  void Refresh();

  // Opens one of the program's windows from this window (null entries do
  // nothing; their menu entries are disabled).
  void OpenWindow(const WindowOpener& opener);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // MainWindowHost
  void ShowOperationEditor() override;
  void ShowHeaderWindow() override;
  void FocusList(int side) override;
  void ProcessPendingEvents() override;

  void BuildMenus();
  void BuildToolBar();
  QWidget* BuildLists();
  QWidget* BuildTotals();
  void RefreshList(int side);
  void RefreshRecentFiles();
  void UpdatePrinterToolTips();
  QAction* AddAction(QMenu* menu, const QString& caption, const char* name, void (MainWindowForm::*event)());
  QAction* AddWindowAction(QMenu* menu, const QString& caption, const char* name, const WindowOpener& opener);
  QListWidget* List(int side) const { return lists_[side == 2 ? 1 : 0]; }

  WindowContext& context_;
  std::unique_ptr<MainWindowForm> form_;

  std::array<QListWidget*, 2> lists_{};
  std::array<QPushButton*, 2> editorButtons_{};
  QPushButton* addSync_ = nullptr;
  QPushButton* removeSync_ = nullptr;
  QPushButton* toggleSyncs_ = nullptr;
  QComboBox* groups_ = nullptr;
  std::array<QLabel*, 5> values_{};
  QLabel* fileLabel_ = nullptr;
  QLabel* dirtyLabel_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  std::vector<QAction*> recentActions_;  // mnuRecentFile(1..9)
  QStringList recentCaptions_;
  QAction* printButton_ = nullptr;
  QAction* previewButton_ = nullptr;
};

}  // namespace arvex
