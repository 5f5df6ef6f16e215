#include "toolimagewindow.h"

#include "accessibility.h"
#include "autoset/toolpositions.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace arvex {

namespace {

// The height that keeps the picture's aspect ratio at a width.
int HeightForWidth(const QImage& image, int width) {
  if (image.width() <= 0) return width;
  return std::max(1, static_cast<int>(std::lround(static_cast<double>(width) * image.height() / image.width())));
}

}  // namespace

ToolImageWindow::ToolImageWindow(const QImage& image, const QString& caption, QWidget* parent)
    : QDialog(parent), image_(image) {
  setObjectName(QStringLiteral("frmTPic"));
  setWindowTitle(caption);
  NameControl(this, caption);
  // Start at the picture's own width, or smaller so that the whole picture
  // fits on the screen.
  int width = std::max(200, image_.width());
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
    const QSize room = screen->availableGeometry().size() * 0.9;
    width = std::min(width, room.width());
    if (HeightForWidth(image_, width) > room.height())
      width = std::max(100, room.height() * std::max(1, image_.width()) / std::max(1, image_.height()));
  }
  resize(width, HeightForWidth(image_, width));
}

void ToolImageWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), image_);
}

void ToolImageWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (sized_) return;
  sized_ = true;
  const int height = HeightForWidth(image_, event->size().width());
  if (height != event->size().height()) resize(event->size().width(), height);
}

void OpenToolImage(WindowContext& context, QWidget* parent) {
  const int spindle = context.Ws.Study.CurrentSpindle == kSubSpindle ? kSubSpindle : kMainSpindle;
  const std::optional<QString> path = ToolImageToShow(context.Ws, spindle, context.Prompt);
  if (!path) return;
  QImageReader reader(*path);
  reader.setAutoTransform(true);
  const QImage image = reader.read();
  if (image.isNull()) {
    context.Prompt.ShowMessage(MissingToolImageMessage(*path));
    return;
  }
  ToolImageWindow window(image, ToolImageCaption(spindle), parent);
  window.exec();
}

}  // namespace arvex
