#include "reportpreviewview.h"

#include "report/reportdocument.h"
#include "report/reportrender.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace arvex {

namespace {
constexpr double kMargin = 16;  // around the pages, pixels
constexpr double kGap = 16;     // between pages
constexpr double kThumbWidth = 170;
}  // namespace

ReportPreviewView::ReportPreviewView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::StyledPanel);
  viewport()->setBackgroundRole(QPalette::Dark);
  viewport()->setAutoFillBackground(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ReportPreviewView::Show(const ReportDocument* doc, int generation, ZoomMode mode, int percent, int page) {
  const bool pageChanged = page != page_;
  if (doc == doc_ && generation == generation_ && mode == mode_ && percent == percent_ && !pageChanged) return;
  const bool zoomChanged = mode != mode_ || percent != percent_;
  doc_ = doc;
  generation_ = generation;
  mode_ = mode;
  percent_ = percent;
  page_ = page;
  // A page that scrolls shows its top when another page comes.
  setVerticalScrollBarPolicy(mode_ == ZoomMode::PageWidth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  Layout();
  if (mode_ != ZoomMode::Thumbnail && (pageChanged || zoomChanged)) verticalScrollBar()->setValue(0);
  if (mode_ == ZoomMode::Thumbnail) {
    for (const Placed& p : placed_)
      if (p.Page == page_) {
        const int top = static_cast<int>(p.Rect.top() - kMargin);
        const int bottom = static_cast<int>(p.Rect.bottom() + kMargin) - viewport()->height();
        if (verticalScrollBar()->value() > top) verticalScrollBar()->setValue(top);
        else if (verticalScrollBar()->value() < bottom) verticalScrollBar()->setValue(bottom);
      }
  }
  viewport()->update();
}

double ReportPreviewView::ScreenPixelsPerTwip() const { return logicalDpiX() / kTwipsPerInch; }

bool ReportPreviewView::ShowsWholePages() const {
  return mode_ == ZoomMode::WholePage || mode_ == ZoomMode::TwoPages || mode_ == ZoomMode::Stretch;
}

QSizeF ReportPreviewView::PaperPixels(double scaleX, double scaleY) const {
  const PageSetup& s = doc_->Setup();
  return QSizeF(s.PaperWidth * scaleX, s.PaperHeight * scaleY);
}

void ReportPreviewView::Layout() {
  placed_.clear();
  const QSizeF view = viewport()->size();
  content_ = view.toSize();
  if (!doc_ || doc_->PageCount() == 0) {
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
    return;
  }
  const PageSetup& setup = doc_->Setup();
  const double pw = setup.PaperWidth;
  const double ph = setup.PaperHeight;
  const double availW = std::max(40.0, view.width() - 2 * kMargin);
  const double availH = std::max(40.0, view.height() - 2 * kMargin);
  auto centred = [&](QSizeF size, double top) {
    return QRectF(std::max(kMargin, (view.width() - size.width()) / 2), top, size.width(), size.height());
  };
  switch (mode_) {
    case ZoomMode::Percentage: {
      const double s = ScreenPixelsPerTwip() * percent_ / 100.0;
      const QSizeF size = PaperPixels(s, s);
      placed_.push_back({page_, centred(size, std::max(kMargin, (view.height() - size.height()) / 2))});
      break;
    }
    case ZoomMode::WholePage: {
      const double s = std::min(availW / pw, availH / ph);
      const QSizeF size = PaperPixels(s, s);
      placed_.push_back({page_, centred(size, (view.height() - size.height()) / 2)});
      break;
    }
    case ZoomMode::PageWidth: {
      const double s = availW / pw;
      placed_.push_back({page_, QRectF(kMargin, kMargin, pw * s, ph * s)});
      break;
    }
    case ZoomMode::Stretch:
      placed_.push_back({page_, QRectF(kMargin, kMargin, availW, availH)});
      break;
    case ZoomMode::TwoPages: {
      const double s = std::min((availW - kGap) / (2 * pw), availH / ph);
      const QSizeF size = PaperPixels(s, s);
      const double left = (view.width() - 2 * size.width() - kGap) / 2;
      const double top = (view.height() - size.height()) / 2;
      placed_.push_back({page_, QRectF(QPointF(left, top), size)});
      if (page_ < doc_->PageCount())
        placed_.push_back({page_ + 1, QRectF(QPointF(left + size.width() + kGap, top), size)});
      break;
    }
    case ZoomMode::Thumbnail: {
      const double s = kThumbWidth / pw;
      const QSizeF size = PaperPixels(s, s);
      const int columns = std::max(1, static_cast<int>((view.width() - kMargin) / (size.width() + kGap)));
      const double rowWidth = columns * size.width() + (columns - 1) * kGap;
      const double left = std::max(kMargin, (view.width() - rowWidth) / 2);
      for (int p = 1; p <= doc_->PageCount(); ++p) {
        const int row = (p - 1) / columns;
        const int column = (p - 1) % columns;
        placed_.push_back({p, QRectF(QPointF(left + column * (size.width() + kGap), kMargin + row * (size.height() + kGap)),
                                     size)});
      }
      break;
    }
  }
  QRectF all;
  for (const Placed& p : placed_) all |= p.Rect;
  content_ = QSize(static_cast<int>(std::ceil(all.right() + kMargin)), static_cast<int>(std::ceil(all.bottom() + kMargin)));
  horizontalScrollBar()->setRange(0, std::max(0, content_.width() - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setRange(0, std::max(0, content_.height() - viewport()->height()));
  verticalScrollBar()->setPageStep(viewport()->height());
  verticalScrollBar()->setSingleStep(20);
}

void ReportPreviewView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (!doc_) return;
  const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
  const QRectF exposed = QRectF(event->rect()).translated(scroll);
  const PageSetup& setup = doc_->Setup();
  painter.translate(-scroll);
  for (const Placed& p : placed_) {
    if (!p.Rect.adjusted(-4, -4, 4, 4).intersects(exposed)) continue;
    painter.fillRect(p.Rect.translated(3, 3), QColor(0, 0, 0, 70));
    painter.fillRect(p.Rect, Qt::white);
    painter.save();
    painter.setClipRect(p.Rect);
    painter.translate(p.Rect.topLeft());
    painter.scale(p.Rect.width() / setup.PaperWidth, p.Rect.height() / setup.PaperHeight);
    painter.translate(setup.Inset.left(), setup.Inset.top());
    PaintReportPage(painter, *doc_, p.Page);
    painter.restore();
    if (mode_ == ZoomMode::Thumbnail && p.Page == page_) {
      painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
      painter.drawRect(p.Rect.adjusted(-3, -3, 3, 3));
    }
  }
}

void ReportPreviewView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Layout();
  viewport()->update();
}

void ReportPreviewView::scrollContentsBy(int, int) { viewport()->update(); }

void ReportPreviewView::mousePressEvent(QMouseEvent* event) {
  if (mode_ == ZoomMode::Thumbnail || mode_ == ZoomMode::TwoPages) {
    const QPointF at = event->position() + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    for (const Placed& p : placed_)
      if (p.Rect.contains(at) && p.Page != page_) {
        emit PageRequested(p.Page);
        return;
      }
  }
  QAbstractScrollArea::mousePressEvent(event);
}

void ReportPreviewView::wheelEvent(QWheelEvent* event) {
  if (ShowsWholePages() && doc_) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) emit PageRequested(std::clamp(page_ - steps, 1, std::max(1, doc_->PageCount())));
    event->accept();
    return;
  }
  QAbstractScrollArea::wheelEvent(event);
}

void ReportPreviewView::keyPressEvent(QKeyEvent* event) {
  if (doc_ && doc_->PageCount() > 0) {
    const int last = doc_->PageCount();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    int target = 0;
    switch (event->key()) {
      case Qt::Key_PageDown: target = std::min(last, page_ + 1); break;
      case Qt::Key_PageUp: target = std::max(1, page_ - 1); break;
      case Qt::Key_Home: if (ctrl || ShowsWholePages()) target = 1; break;
      case Qt::Key_End: if (ctrl || ShowsWholePages()) target = last; break;
      default: break;
    }
    if (target > 0) {
      if (target != page_) emit PageRequested(target);
      event->accept();
      return;
    }
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace arvex
