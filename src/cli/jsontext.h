#pragma once
// JSON text for the --json outputs of the command words.

#include <QString>

namespace arvex {

// text as a JSON string, quotes included: '"', '\' and the control
// characters escaped ("\n", "\r", "\t", else "\u00xx").
void AppendJsonString(QString& out, const QString& text);
QString JsonString(const QString& text);

// A number text of the program (".5", "-.25", " 12" without its blank) as a
// JSON number: JSON wants a digit before the point, so ".5" becomes "0.5"
// and "-.25" becomes "-0.25".
QString JsonNumber(const QString& numberText);

}  // namespace arvex
