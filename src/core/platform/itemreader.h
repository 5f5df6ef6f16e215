#pragma once
// Reads text the way the classic sequential-file "input" statement does:
// items separated by commas or line ends, quoted texts read up to their
// closing quote, unquoted items read up to the next comma or line end with
// surrounding blanks dropped. ReadLine takes the rest of the current line,
// as "line input" does. Used by the .rvx reader and the shop tables.

#include <QString>

namespace arvex {

class ItemReader {
 public:
  explicit ItemReader(QString text) : text_(std::move(text)) {}

  // True when no character is left.
  bool AtEnd() const { return pos_ >= text_.size(); }

  // The next item; false (and *item untouched) at the end of the text.
  bool ReadItem(QString* item);
  // The rest of the current line without its line end; false at the end.
  bool ReadLine(QString* line);

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();
  void SkipBlanks();

  QString text_;
  qsizetype pos_ = 0;
};

}  // namespace arvex
