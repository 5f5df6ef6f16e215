#include "platform/itemreader.h"

namespace arvex {

bool ItemReader::AtLineEnd() const {
  return pos_ < text_.size() && (text_[pos_] == u'\r' || text_[pos_] == u'\n');
}

void ItemReader::SkipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == u'\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
}

void ItemReader::SkipBlanks() {
  while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t')) ++pos_;
}

bool ItemReader::ReadItem(QString* item) {
  SkipBlanks();
  if (AtEnd()) return false;
  const qsizetype n = text_.size();
  if (text_[pos_] == u'"') {
    const qsizetype start = ++pos_;
    while (pos_ < n && text_[pos_] != u'"') ++pos_;
    *item = text_.mid(start, pos_ - start);
    if (pos_ < n) ++pos_;  // closing quote
    // Anything between the closing quote and the delimiter is dropped.
    while (pos_ < n && text_[pos_] != u',' && !AtLineEnd()) ++pos_;
  } else {
    const qsizetype start = pos_;
    while (pos_ < n && text_[pos_] != u',' && !AtLineEnd()) ++pos_;
    *item = text_.mid(start, pos_ - start).trimmed();
  }
  if (pos_ < n && text_[pos_] == u',') ++pos_;
  else SkipLineEnd();
  return true;
}

bool ItemReader::ReadLine(QString* line) {
  if (AtEnd()) return false;
  const qsizetype start = pos_;
  while (pos_ < text_.size() && !AtLineEnd()) ++pos_;
  *line = text_.mid(start, pos_ - start);
  SkipLineEnd();
  return true;
}

}  // namespace arvex
