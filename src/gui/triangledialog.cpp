#include "triangledialog.h"

#include "accessibility.h"
#include "formbinding.h"
#include "shop/triangleform.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace arvex {

namespace {

// The right triangle with its corners and sides named as the boxes name
// them: A the right angle at the lower left, B at the lower right, C at the
// top; side a the hypotenuse, b the upright, c the base.
class TriangleSketch : public QWidget {
 public:
  explicit TriangleSketch(QWidget* parent) : QWidget(parent) {
    setMinimumSize(220, 150);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(28, 20, -28, -24);
    const QPointF a = r.bottomLeft(), b = r.bottomRight(), c = r.topLeft();
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    p.drawPolygon(QPolygonF({a, b, c}));
    // The right angle's square.
    const qreal s = 10;
    p.drawPolyline(QPolygonF({a + QPointF(0, -s), a + QPointF(s, -s), a + QPointF(s, 0)}));
    const auto& l = TriangleForm::kSketchLetters;
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRectF(a.x() - 24, a.y() - 4, 20, 20), Qt::AlignCenter, l[0]);
    p.drawText(QRectF(b.x() + 4, b.y() - 4, 20, 20), Qt::AlignCenter, l[1]);
    p.drawText(QRectF(c.x() - 24, c.y() - 10, 20, 20), Qt::AlignCenter, l[2]);
    p.setFont(font());
    const QPointF mid = (b + c) / 2;
    p.drawText(QRectF(mid.x() + 2, mid.y() - 20, 20, 20), Qt::AlignCenter, l[3]);
    p.drawText(QRectF(a.x() - 22, (a.y() + c.y()) / 2 - 10, 20, 20), Qt::AlignCenter, l[4]);
    p.drawText(QRectF((a.x() + b.x()) / 2 - 10, a.y() + 2, 20, 20), Qt::AlignCenter, l[5]);
  }
};

}  // namespace

TriangleDialog::TriangleDialog(TriangleForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName(QStringLiteral("Tri"));
  setWindowTitle(TriangleForm::kCaption);
  auto* layout = new QVBoxLayout(this);

  auto* hint = new QLabel(TriangleForm::kHint.trimmed(), this);
  hint->setObjectName(QStringLiteral("lblHint"));
  hint->setWordWrap(true);
  layout->addWidget(hint);

  auto* middle = new QHBoxLayout;
  auto* boxes = new QGridLayout;
  for (int i = 0; i < 5; ++i) {
    auto* label = new QLabel(TriangleForm::kLabels[static_cast<std::size_t>(i)], this);
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Text1_") + QString::number(i));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(14, u'0')));
    NameAfterLabel(box, label);
    boxes->addWidget(label, i, 0);
    boxes->addWidget(box, i, 1);
    connect(box, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { form_.Text1[static_cast<std::size_t>(i)] = text; });
    if (i == TriangleForm::kAngleB || i == TriangleForm::kAngleC) {
      OnFocusOut(box, [this, i] {
        form_.LostFocus(i);
        Refresh();
      });
    }
    boxes_[static_cast<std::size_t>(i)] = box;
  }
  middle->addLayout(boxes);
  middle->addWidget(new TriangleSketch(this), 1);
  layout->addLayout(middle);

  auto* buttons = new QHBoxLayout;
  auto* calculate = new QPushButton(TriangleForm::kCalculateCaption, this);
  calculate->setObjectName(QStringLiteral("CSCmd1"));
  calculate->setDefault(true);  // Enter calculates
  NameControl(calculate, TriangleForm::kCalculateCaption);
  connect(calculate, &QPushButton::clicked, this, [this] {
    form_.Calculate();
    Refresh();
  });
  auto* close = new QPushButton(TriangleForm::kCloseCaption, this);
  close->setObjectName(QStringLiteral("CSCmd2"));
  close->setAutoDefault(false);
  NameControl(close, TriangleForm::kCloseCaption);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addStretch(1);
  buttons->addWidget(calculate);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  setMinimumWidth(560);
  Refresh();
}

void TriangleDialog::Refresh() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) ShowText(boxes_[i], form_.Text1[i]);
}

void OpenTriangle(WindowContext& context, QWidget* parent) {
  TriangleForm form(context.Ws);
  TriangleDialog dialog(form, parent);
  dialog.exec();
  form.Close();
}

}  // namespace arvex
