#pragma once
// Names for assistive technology: every control is found by the words a
// user sees. Buttons and check boxes carry their caption (Qt drops the "&"
// itself); a control beside a label takes the label as its buddy and its
// name; views (lists, grids, text areas) get the label's text explicitly,
// since they do not take a buddy's text by themselves.

#include <QString>

class QAbstractScrollArea;
class QComboBox;
class QLabel;
class QWidget;

namespace arvex {

// A caption without its access-key marks: "M&ain Spindle" -> "Main Spindle",
// "&&" -> "&".
QString WithoutAccessKey(const QString& caption);

// Makes label the buddy of control and names control after the label.
void NameAfterLabel(QWidget* control, QLabel* label);
// The same for a combo box, whose drop-down list and (when editable) text
// box are named after the label too.
void NameComboAfterLabel(QComboBox* combo, QLabel* label);
// Names a control with a caption of its own (a tool button, a value label).
void NameControl(QWidget* control, const QString& caption, const QString& description = QString());

// Names the parts of a combo box that assistive technology sees on their
// own (its drop-down list, its text field) after the combo's name, and the
// scroll bars of a scroll area after the area's name.
void NameParts(QComboBox* combo);
void NameScrollBars(QAbstractScrollArea* area);

// The font of operation lists and tables whose columns must line up.
class QFont FixedPitchFont();

}  // namespace arvex
