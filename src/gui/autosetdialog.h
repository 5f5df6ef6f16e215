#pragma once
// frmAutoSet, "Cutdata Auto Set", over AutoSetForm: the kind and the first
// tool, the frames each kind shows, "Pick Tap", "Show Tools", and "Add to
// CutData Exit", which inserts the operations before the place the cutting
// data window had selected.

#include "autoset/autosetform.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace arvex {

struct WindowContext;

class AutoSetDialog : public QDialog {
  Q_OBJECT
 public:
  // `place`: the operation selected in the cutting data window (1-based);
  // nullopt adds after the last operation.
  AutoSetDialog(AutoSetForm& form, WindowContext& context, std::optional<int> place, QWidget* parent);

  void Refresh();

 private:
  struct Field {
    AutoSetField Id;
    QLabel* Label;
    QLineEdit* Box;
  };
  QGroupBox* AddFrame(AutoSetFrame frame, const char* name);
  QLineEdit* AddField(QFormLayout* layout, AutoSetField id);
  QRadioButton* AddOption(QWidget* parent, const QString& caption, const char* name, int index);
  void Add();

  AutoSetForm& form_;
  WindowContext& context_;
  std::optional<int> place_;
  QComboBox* kind_;
  QComboBox* tools_;
  std::array<QGroupBox*, 6> frames_{};
  std::vector<Field> fields_;
  QRadioButton* onCenter_;
  QRadioButton* live_;
  std::array<QRadioButton*, 2> centerTypes_{};
  std::array<QRadioButton*, 3> pecks_{};
  QLabel* instruction_;
};

// Loads the form (center drill table, tool positions) and shows the window
// modally.
void OpenAutoSet(WindowContext& context, QWidget* parent, std::optional<int> place);

}  // namespace arvex
