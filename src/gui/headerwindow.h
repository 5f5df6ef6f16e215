#pragma once
// The header window MainTSData ("Arvex  CNC Time Study") over HeaderForm.

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace arvex {

class HeaderForm;
struct WindowContext;

class HeaderWindow : public QDialog {
  Q_OBJECT
 public:
  HeaderWindow(HeaderForm& form, WindowContext& context, QWidget* parent);
  ~HeaderWindow() override;

  // Copies the form into the widgets.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Continue();
  void OpenCalculator();

  HeaderForm& form_;
  WindowContext& context_;
  std::array<QLineEdit*, 7> texts_{};  // Text1(0..6); [4] stays null (the material combo)
  QComboBox* material_ = nullptr;
  QComboBox* machine_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
  QCheckBox* subSpindle_ = nullptr;
  QCheckBox* partsCatcher_ = nullptr;
  std::array<QRadioButton*, 4> shapes_{};
  QButtonGroup* shapeGroup_ = nullptr;
  QRadioButton* inch_ = nullptr;
  QRadioButton* metric_ = nullptr;
  QLabel* lengthUnit_ = nullptr;
  QLabel* calcResult_ = nullptr;
};

// Shows the header window of ws.Study modally and returns when it closes.
void OpenHeaderData(WindowContext& context, QWidget* parent);

}  // namespace arvex
