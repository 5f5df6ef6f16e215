#include "cutting/sqlscript.h"

namespace arvex {

namespace {

bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Splits statement by statement, remembering just enough of the words to
// know where a trigger body ends.
class Splitter {
 public:
  QStringList Run(const QString& s) {
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
      const QChar c = s[i];
      if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
        EndWord();
        while (i < n && s[i] != u'\n') ++i;
        current_ += u' ';
        continue;
      }
      if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
        EndWord();
        const qsizetype close = s.indexOf(QStringLiteral("*/"), i + 2);
        i = close < 0 ? n : close + 2;
        current_ += u' ';
        continue;
      }
      if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
        EndWord();
        const QChar closing = c == u'[' ? QChar(u']') : c;
        qsizetype j = i + 1;
        while (j < n) {
          if (s[j] == closing) {
            // A doubled quote stands for itself inside the quotes.
            if (closing != u']' && j + 1 < n && s[j + 1] == closing) {
              j += 2;
              continue;
            }
            break;
          }
          ++j;
        }
        const qsizetype end = j < n ? j + 1 : n;
        current_ += s.mid(i, end - i);
        lastWordEndsBlock_ = false;
        i = end;
        continue;
      }
      if (c == u';') {
        EndWord();
        if (IsTrigger() && !lastWordEndsBlock_) {
          current_ += c;
        } else {
          Emit();
        }
        ++i;
        continue;
      }
      if (IsWordChar(c)) {
        word_ += c;
      } else {
        EndWord();
      }
      current_ += c;
      ++i;
    }
    EndWord();
    Emit();
    return statements_;
  }

 private:
  void EndWord() {
    if (word_.isEmpty()) return;
    const QString w = word_.toUpper();
    word_.clear();
    if (leading_.size() < 3) leading_ << w;
    if (w == QStringLiteral("CASE")) {
      ++caseDepth_;
      lastWordEndsBlock_ = false;
    } else if (w == QStringLiteral("END")) {
      if (caseDepth_ > 0) {
        --caseDepth_;
        lastWordEndsBlock_ = false;
      } else {
        lastWordEndsBlock_ = true;
      }
    } else {
      lastWordEndsBlock_ = false;
    }
  }

  bool IsTrigger() const {
    if (leading_.size() < 2 || leading_[0] != QStringLiteral("CREATE")) return false;
    if (leading_[1] == QStringLiteral("TRIGGER")) return true;
    return leading_.size() >= 3 &&
           (leading_[1] == QStringLiteral("TEMP") || leading_[1] == QStringLiteral("TEMPORARY")) &&
           leading_[2] == QStringLiteral("TRIGGER");
  }

  void Emit() {
    const QString statement = current_.trimmed();
    if (!statement.isEmpty()) statements_ << statement;
    current_.clear();
    leading_.clear();
    caseDepth_ = 0;
    lastWordEndsBlock_ = false;
  }

  QStringList statements_;
  QString current_;
  QString word_;
  QStringList leading_;
  int caseDepth_ = 0;
  bool lastWordEndsBlock_ = false;
};

}  // namespace

QStringList SplitSqlStatements(const QString& script) { return Splitter().Run(script); }

}  // namespace arvex
