#pragma once
// frmTPic: the tooling image of a spindle, stretched over the whole
// window. On its first resize the window takes the height that keeps the
// picture's aspect ratio at its width; after that the user sizes it freely.

#include <QDialog>
#include <QImage>

namespace arvex {

struct WindowContext;

class ToolImageWindow : public QDialog {
  Q_OBJECT
 public:
  ToolImageWindow(const QImage& image, const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  bool sized_ = false;
};

// "Show Tools": the image of CurrentSpindle, or the missing-image message
// when its file is missing, empty or no picture.
void OpenToolImage(WindowContext& context, QWidget* parent);

}  // namespace arvex
