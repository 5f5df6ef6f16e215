#include "accessibility.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

namespace arvex {

QString WithoutAccessKey(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        out += u'&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

void NameAfterLabel(QWidget* control, QLabel* label) {
  label->setBuddy(control);
  QString name = WithoutAccessKey(label->text()).trimmed();
  if (name.endsWith(u':')) name.chop(1);
  control->setAccessibleName(name.trimmed());
}

void NameComboAfterLabel(QComboBox* combo, QLabel* label) {
  NameAfterLabel(combo, label);
  combo->view()->setAccessibleName(combo->accessibleName());
  if (QLineEdit* edit = combo->lineEdit()) edit->setAccessibleName(combo->accessibleName());
}

void NameControl(QWidget* control, const QString& caption, const QString& description) {
  control->setAccessibleName(WithoutAccessKey(caption).trimmed());
  if (!description.isEmpty()) control->setAccessibleDescription(description);
}

void NameParts(QComboBox* combo) {
  const QString name = combo->accessibleName();
  combo->view()->setAccessibleName(name + QStringLiteral(" list"));
  if (QLineEdit* edit = combo->lineEdit()) edit->setAccessibleName(name);
}

void NameScrollBars(QAbstractScrollArea* area) {
  const QString name = area->accessibleName();
  area->verticalScrollBar()->setAccessibleName(name + QStringLiteral(" vertical scroll bar"));
  area->horizontalScrollBar()->setAccessibleName(name + QStringLiteral(" horizontal scroll bar"));
}

QFont FixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::Monospace);
  return font;
}

}  // namespace arvex
