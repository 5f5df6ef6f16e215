#pragma once
// Parts every dialog of the program has in common: the objectName of an
// element of a control array, and the "&Help" menu that opens the dialog's
// page of the manual.

#include <QString>

class QBoxLayout;
class QWidget;

namespace arvex {

struct WindowContext;

// "toolText_5": element 5 of the control array toolText.
QString ElementName(const char* name, int index);

// Puts a menu bar with the command "&Help" (also F1) over the layout of
// `window`; it opens the manual at `topic` ("#TSData", "#MachSetup").
void AddHelpMenu(QWidget* window, QBoxLayout* layout, const WindowContext& context, const QString& topic);

}  // namespace arvex
