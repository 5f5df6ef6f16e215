#pragma once
// Tri, "Right Triangles - Trig", over TriangleForm: the hint, a sketch of
// the triangle, the five boxes and "Calculate".

#include <QDialog>

#include <array>

class QLineEdit;

namespace arvex {

class TriangleForm;
struct WindowContext;

class TriangleDialog : public QDialog {
  Q_OBJECT
 public:
  TriangleDialog(TriangleForm& form, QWidget* parent);

  void Refresh();

 private:
  TriangleForm& form_;
  std::array<QLineEdit*, 5> boxes_{};
};

// Shows the window modally; on close LastCalcText = "Trig = B=.. C=..".
void OpenTriangle(WindowContext& context, QWidget* parent);

}  // namespace arvex
