#pragma once
// The machine setup window MachSetup ("Machine Setup") over
// MachineSetupForm.

#include "machine/machinesetup.h"

#include <QDialog>

#include <array>
#include <optional>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace arvex {

class MachineSetupForm;
struct WindowContext;

class MachineSetupWindow : public QDialog {
  Q_OBJECT
 public:
  MachineSetupWindow(MachineSetupForm& form, WindowContext& context, QWidget* parent);

  // Copies the form into the widgets.
  void Refresh();

 private:
  // An empty page with its layout.
  QWidget* PageFrame(int page, QBoxLayout* layout);
  QWidget* BuildFieldPage(int page);
  QWidget* BuildHoldersPage();
  QWidget* BuildImagesPage();
  QLineEdit* FieldEdit(int field, QWidget* parent);
  void ShowPreview(int which, const QString& path);

  MachineSetupForm& form_;
  WindowContext& context_;
  QComboBox* machine_ = nullptr;
  QCheckBox* subSpindle_ = nullptr;
  QCheckBox* liveTools_ = nullptr;
  std::array<QRadioButton*, 5> pageButtons_{};
  QStackedWidget* pages_ = nullptr;
  std::array<QLineEdit*, kMachineSetupFieldCount> fields_{};
  std::array<QLineEdit*, 2> images_{};
  std::array<QListWidget*, 3> holders_{};
  std::array<QLineEdit*, 3> entries_{};
  std::array<QLabel*, 3> holderCounts_{};
  std::array<QLabel*, 2> previews_{};
  std::array<std::optional<QString>, 2> previewPaths_;  // the paths the previews show
};

// Shows the machine setup window modally and returns when it closes.
void OpenMachineSetup(WindowContext& context, QWidget* parent);

}  // namespace arvex
