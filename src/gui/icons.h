#pragma once
// The toolbar's icons: the desktop theme's icon when there is one, else a
// drawing of our own, so the toolbar never shows blank buttons.

#include <QIcon>

namespace arvex {

enum class ToolIcon { New, Open, Save, Print, Preview, Help };

QIcon ToolbarIcon(ToolIcon icon);

}  // namespace arvex
