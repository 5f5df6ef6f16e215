#pragma once
// SQL scripts such as the cutting-data seed: split into single statements,
// because the database driver runs one statement per call.

#include <QString>
#include <QStringList>

namespace arvex {

// The statements of a script, each without its final ";" and trimmed;
// empty statements and comments between statements are dropped. Quoted
// texts ('...', "...", `...`, [...]), "--" and "/* */" comments are
// respected, and a CREATE TRIGGER statement runs to its closing END.
QStringList SplitSqlStatements(const QString& script);

}  // namespace arvex
