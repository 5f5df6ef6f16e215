#include "timelineview.h"

#include "mainwindow/mainwindowform.h"
#include "report/timeline.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace arvex {

namespace {

TimelineStyle StyleOf(const QWidget& w) {
  TimelineStyle style;
  style.Font = w.font();
  style.Line = 1;
  return style;
}

}  // namespace

TimelineView::TimelineView(MainWindowForm& form, QWidget* parent) : QWidget(parent), form_(form) {
  setObjectName(QStringLiteral("SpindleTimeline"));
  setAccessibleName(QStringLiteral("Spindle Timeline"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TimelineView::sizeHint() const {
  const int h = fontMetrics().height();
  return {600, h * 8};
}

QSize TimelineView::minimumSizeHint() const { return {240, sizeHint().height()}; }

QRectF TimelineView::ChartBox() const { return QRectF(rect()).adjusted(4, 2, -4, -2); }

TimelineFrame TimelineView::Frame() const {
  return FrameOfTimeline(form_.SpindleTimeline(), ChartBox(), StyleOf(*this));
}

void TimelineView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  PaintTimeline(painter, form_.SpindleTimeline(), ChartBox(), StyleOf(*this));
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) form_.ClickTimeline(Frame(), event->position());
  QWidget::mousePressEvent(event);
}

bool TimelineView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = form_.TimelineToolTip(Frame(), help->pos());
    if (tip.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), tip, this);
    return true;
  }
  return QWidget::event(event);
}

}  // namespace arvex
