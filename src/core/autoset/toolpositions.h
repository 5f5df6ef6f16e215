#pragma once
// The tool positions of a spindle as the tool combos of the cutting data
// window and Auto Set list them, and the spindle's tooling image.
//
// Tool combo: for each of the spindle's two tool posts (main: MainTools1List
// then MainTools2List; sub: SubTools1List then SubTools2List), the post's
// name in parentheses, "(Gang)", then one entry per tool number of the post:
// the number, "-" and the OpName of the last operation of the spindle's list
// that uses the tool ("T03-OD Turn"), or the number and "-" alone when no
// operation uses it ("T03-"). A post without a name (a list with no
// elements after position 0) gives no entries.

#include "platform/prompter.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace arvex {

class TimeStudy;
struct MachineDefinition;
struct Workspace;

// The combo entries of a spindle (1 main, 2 sub; any other value is taken
// as the main spindle).
QStringList ToolPositionEntries(const TimeStudy& study, const MachineDefinition& machine, int spindle);

// The tool number of a combo entry: the text before its first "-"; the whole
// text when it has no "-" or begins with one ("(Gang)" stays "(Gang)").
QString ToolNumberOfEntry(const QString& entry);

// ---- Tooling image ("Show Tools") -----------------------------------------------

// The image named for a spindle (MainToolImage for 1, SubToolImage for 2) as
// a path: a non-empty name without a directory separator ("/" or "\") is
// taken relative to the application folder; any other name stays as it is.
QString ToolImagePath(const MachineDefinition& machine, int spindle, const QString& appFolder);

// The caption of the image window (frmTPic): "Main Spindle Tool Layout" or
// "Sub Spindle Tool Layout".
QString ToolImageCaption(int spindle);

// "The image file " + path + " does not exist or is corrupt! Please use
// Machine Settings to choose another image file."
QString MissingToolImageMessage(const QString& path);

// "Show Tools": the path of the spindle's image when the file exists (the
// window then opens the image window with it); otherwise the missing-image
// message is shown and nullopt returned.
std::optional<QString> ToolImageToShow(const Workspace& workspace, int spindle, Prompter& prompter);

}  // namespace arvex
