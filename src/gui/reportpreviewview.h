#pragma once
// The pages of a composed report on screen, at a zoom mode of the print
// preview: one page at a percentage of its real size, thumbnails of every
// page, two pages side by side, the whole page, the page's width, or the
// page stretched over the view. Pages are painted from the document's
// drawing items at the view's own scale, so text is sharp at every zoom.

#include "report/printpreviewform.h"

#include <QAbstractScrollArea>

#include <vector>

namespace arvex {

class ReportDocument;

class ReportPreviewView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit ReportPreviewView(QWidget* parent = nullptr);

  // What to show; the view draws again when any of it changed.
  void Show(const ReportDocument* doc, int generation, ZoomMode mode, int percent, int page);

 signals:
  // The user went to another page in the view (a thumbnail clicked, the
  // wheel or the page keys at a zoom that shows whole pages).
  void PageRequested(int page);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Placed {
    int Page = 0;
    QRectF Rect;  // in content pixels
  };
  // Where each page shown goes and the size of the whole content.
  void Layout();
  QSizeF PaperPixels(double scaleX, double scaleY) const;
  double ScreenPixelsPerTwip() const;
  bool ShowsWholePages() const;

  const ReportDocument* doc_ = nullptr;
  int generation_ = -1;
  ZoomMode mode_ = ZoomMode::WholePage;
  int percent_ = 100;
  int page_ = 1;
  std::vector<Placed> placed_;
  QSize content_;
};

}  // namespace arvex
