#pragma once
// The spindle timeline under the main window's totals: paints the form's
// timeline (the one painter the report uses too), names the operation
// under the pointer in its tool tip and, on a click, selects it in its list
// through the form.

#include <QWidget>

namespace arvex {

class MainWindowForm;
struct TimelineFrame;

class TimelineView : public QWidget {
  Q_OBJECT
 public:
  TimelineView(MainWindowForm& form, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Where the chart lies in the widget now.
  TimelineFrame Frame() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRectF ChartBox() const;
  MainWindowForm& form_;
};

}  // namespace arvex
