#include "report/reportdocument.h"

#include "platform/numtext.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>

namespace arvex {

namespace {

using Measure = std::function<double(const QString&)>;

// Room kept between the parts of the running block and below it.
constexpr double kHeaderGap = 200;
// Lines of one part of the running block at most.
constexpr qsizetype kMaxHeaderLines = 5;
// Cell padding of tables.
constexpr double kCellPadX = 40;
constexpr double kCellPadY = 30;
constexpr double kGridWidth = 10;
const QColor kHeaderFill(0xE8, 0xE8, 0xE8);

double LineHeightOf(const QFontMetricsF& m) { return m.ascent() + m.descent() + m.leading(); }

QStringList SplitLineBreaks(const QString& text) {
  static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
  return text.split(breaks);
}

// The widest prefix of word that fits in width; at least one character.
qsizetype FittingPrefix(const Measure& advance, const QString& word, double width) {
  auto next = [&word](qsizetype n) {  // never between the halves of a surrogate pair
    return n < word.size() && word[n - 1].isHighSurrogate() ? n + 1 : n;
  };
  qsizetype n = std::min(next(1), word.size());
  while (n < word.size() && advance(word.left(next(n + 1))) <= width) n = next(n + 1);
  return n;
}

QString RightTrimmed(QString s) {
  while (s.endsWith(u' ')) s.chop(1);
  return s;
}

QString LeftTrimmed(const QString& s) {
  qsizetype i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  return s.mid(i);
}

QStringList Wrap(const Measure& advance, const QString& text, double firstWidth, double maxWidth) {
  QStringList lines;
  QString line;
  double width = firstWidth;
  auto push = [&] {
    lines << RightTrimmed(line);
    line.clear();
    width = maxWidth;
  };
  // Words with the blanks before them, so that runs of blanks inside a line
  // are kept.
  static const QRegularExpression words(QStringLiteral(" *[^ ]+"));
  auto it = words.globalMatch(text);
  while (it.hasNext()) {
    QString token = it.next().captured(0);
    if (line.isEmpty() && !lines.isEmpty()) token = LeftTrimmed(token);
    if (advance(RightTrimmed(line + token)) <= width) {
      line += token;
      continue;
    }
    if (!RightTrimmed(line).isEmpty()) {
      push();
      token = LeftTrimmed(token);
    } else if (lines.isEmpty() && width < maxWidth && advance(LeftTrimmed(token)) <= maxWidth) {
      // The first line, given less room, cannot hold the word; a full line can.
      line.clear();
      push();
      token = LeftTrimmed(token);
    }
    // A word wider than a whole line is cut where the line is full
    // (measuring only what can fit, however long the word is).
    while (true) {
      const qsizetype n = FittingPrefix(advance, token, width);
      if (n >= token.size()) break;
      line = token.left(n);
      push();
      token = token.mid(n);
    }
    line = token;
  }
  if (!line.isEmpty() || lines.isEmpty()) push();
  return lines;
}

void ShiftY(ReportItem& item, double dy) {
  std::visit(
      [dy](auto& it) {
        using T = std::decay_t<decltype(it)>;
        if constexpr (std::is_same_v<T, ReportTextItem>) {
          it.Box.translate(0, dy);
          it.Baseline += dy;
        } else if constexpr (std::is_same_v<T, ReportLineItem>) {
          it.Line.translate(0, dy);
        } else {
          it.Box.translate(0, dy);
        }
      },
      item);
}

double Bottom(const ReportItem& item) {
  return std::visit(
      [](const auto& it) -> double {
        using T = std::decay_t<decltype(it)>;
        if constexpr (std::is_same_v<T, ReportLineItem>) return std::max(it.Line.y1(), it.Line.y2());
        else return it.Box.bottom();
      },
      item);
}

}  // namespace

// ---- fonts -------------------------------------------------------------------

QFont QFontOf(const ReportFont& font) {
  QFont f(font.Name);
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * kTwipsPerPoint))));
  f.setBold(font.Bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

double TextAdvance(const ReportFont& font, const QString& text) {
  return QFontMetricsF(QFontOf(font)).horizontalAdvance(text);
}

ReportFontMetrics MetricsOf(const ReportFont& font) {
  const QFontMetricsF m(QFontOf(font));
  return {m.ascent(), m.descent(), m.leading()};
}

QStringList WrapText(const ReportFont& font, const QString& text, double firstWidth, double maxWidth) {
  const QFontMetricsF m(QFontOf(font));
  return Wrap([&m](const QString& s) { return m.horizontalAdvance(s); }, text, firstWidth, maxWidth);
}

// ---- page setup and tables -------------------------------------------------------

PageSetup PageSetup::ForPaper(QSizeF paper, QMarginsF unprintable) {
  PageSetup s;
  s.PaperWidth = paper.width();
  s.PaperHeight = paper.height();
  s.Inset = QMarginsF(std::max(s.Inset.left(), unprintable.left()), std::max(s.Inset.top(), unprintable.top()),
                      std::max(s.Inset.right(), unprintable.right()),
                      std::max(s.Inset.bottom(), unprintable.bottom()));
  return s;
}

QList<const ReportTextItem*> ReportPage::Texts() const {
  QList<const ReportTextItem*> texts;
  for (const ReportItem& item : Items)
    if (const auto* t = std::get_if<ReportTextItem>(&item)) texts << t;
  return texts;
}

QStringList ReportPage::TextStrings() const {
  QStringList texts;
  for (const ReportTextItem* t : Texts()) texts << t->Text;
  return texts;
}

TableLayout ParseTableLayout(const QString& layout) {
  QString text = layout.trimmed();
  if (text.endsWith(u';')) text.chop(1);
  TableLayout columns;
  if (text.isEmpty()) return columns;
  for (const QString& part : text.split(u'|')) {
    TableColumn c;
    QString digits;
    for (const QChar ch : part) {
      if (ch == u'^') c.Align = TextAlign::Centre;
      else if (ch == u'<') c.Align = TextAlign::Left;
      else if (ch == u'>') c.Align = TextAlign::Right;
      else if (ch.isDigit()) digits += ch;
    }
    c.Width = digits.isEmpty() ? 1000 : Val(digits);
    columns.push_back(c);
  }
  return columns;
}

QStringList SplitTableRow(const QString& row) {
  QString text = row;
  if (text.endsWith(u';')) text.chop(1);
  return text.split(u'|');
}

// ---- the document ------------------------------------------------------------------

ReportDocument::ReportDocument(const PageSetup& setup) : setup_(setup), nextSetup_(setup) {}

const QFontMetricsF& ReportDocument::Metrics(const ReportFont& font) const {
  for (const auto& [f, m] : metrics_)
    if (f == font) return m;
  metrics_.emplace_back(font, QFontMetricsF(QFontOf(font)));
  return metrics_.back().second;
}

double ReportDocument::Advance(const ReportFont& font, const QString& text) const {
  return Metrics(font).horizontalAdvance(text);
}

void ReportDocument::StartDoc() {
  setup_ = nextSetup_;
  pages_.clear();
  headers_.clear();
  header_ = {};
  font_ = {};
  align_ = TextAlign::Left;
  indent_ = 0;
  composing_ = true;
  AddPage();
}

void ReportDocument::EndDoc() {
  if (!composing_) return;
  composing_ = false;
  for (size_t i = 0; i < pages_.size(); ++i) DrawHeader(pages_[i], headers_[i]);
}

void ReportDocument::NewPage() {
  if (composing_) AddPage();
}

void ReportDocument::AddPage() {
  pages_.emplace_back();
  headers_.push_back(header_);
  bodyTop_ = BodyTopBelow(header_);
  y_ = bodyTop_;
  x_ = LineStartX();
  xSet_ = false;
  StartLine(y_);
}

void ReportDocument::StartLine(double top) {
  line_ = {};
  line_.Top = top;
  line_.FirstItem = pages_.empty() ? 0 : Current().Items.size();
}

double ReportDocument::ContentBottom() const {
  double bottom = bodyTop_;
  if (pages_.empty()) return bottom;
  for (const ReportItem& item : pages_.back().Items) bottom = std::max(bottom, Bottom(item));
  return bottom;
}

void ReportDocument::SetHeader(const QString& text, const ReportFont& font) {
  if (text.isEmpty()) {
    SetHeader(QString(), QString(), QString(), font);
    return;
  }
  QStringList parts = text.split(u'|');
  while (parts.size() < 3) parts << QString();
  SetHeader(parts[0], parts[1], parts.mid(2).join(u'|'), font);
}

void ReportDocument::SetHeader(const QString& left, const QString& centre, const QString& right,
                               const ReportFont& font) {
  header_.Font = font;
  header_.Parts.clear();
  if (!left.isEmpty() || !centre.isEmpty() || !right.isEmpty()) header_.Parts = QStringList{left, centre, right};
  if (!composing_) return;
  headers_.back() = header_;
  const bool untouched = Current().Items.empty() && line_.Empty && y_ == bodyTop_;
  bodyTop_ = BodyTopBelow(header_);
  if (untouched) {
    y_ = bodyTop_;
    StartLine(y_);
  }
}

void ReportDocument::SetFont(const ReportFont& font) { font_ = font; }
void ReportDocument::SetFontName(const QString& name) { font_.Name = name; }
void ReportDocument::SetFontSize(double points) {
  if (points > 0 && std::isfinite(points)) font_.Size = points;
}
void ReportDocument::SetFontBold(bool bold) { font_.Bold = bold; }

void ReportDocument::SetIndentLeft(double twips) {
  indent_ = std::isfinite(twips) ? std::max(0.0, twips) : 0.0;
  if (line_.Empty && !xSet_) x_ = LineStartX();
}

void ReportDocument::SetCurrentX(double x) {
  if (!std::isfinite(x)) return;
  x_ = x;
  xSet_ = true;
}

void ReportDocument::SetCurrentY(double y) {
  if (!std::isfinite(y)) return;
  y_ = y;
  if (!pages_.empty()) StartLine(y_);
}

bool ReportDocument::EnsureSpace(double height) {
  if (!composing_ || !line_.Empty) return false;
  if (y_ + height <= BodyBottom() || y_ <= bodyTop_ + 0.5) return false;
  AddPage();
  return true;
}

double ReportDocument::LineHeight() const { return LineHeightOf(Metrics(font_)); }

double ReportDocument::TextWidth(const QString& text) const {
  double width = 0;
  for (const QString& line : SplitLineBreaks(text)) width = std::max(width, Advance(font_, line));
  return width;
}

double ReportDocument::TextHeight(const QString& text) const {
  return LineHeight() * static_cast<double>(SplitLineBreaks(text).size());
}

void ReportDocument::Print(const QString& text) {
  if (!composing_) return;
  const QStringList segments = SplitLineBreaks(text);
  for (qsizetype i = 0; i < segments.size(); ++i) {
    PrintSegment(segments[i]);
    if (i + 1 < segments.size()) LineBreak();
  }
}

void ReportDocument::Paragraph(const QString& text) {
  if (!composing_) return;
  Print(text);
  LineBreak();
}

void ReportDocument::LineBreak() {
  if (!composing_) return;
  const double height = line_.Empty ? LineHeight() : line_.Ascent + line_.Descent + line_.Leading;
  y_ = line_.Top + height;
  StartLine(y_);
  x_ = LineStartX();
  xSet_ = false;
}

void ReportDocument::PrintSegment(const QString& segment) {
  if (segment.isEmpty()) return;
  const Measure advance = [this](const QString& s) { return Advance(font_, s); };
  const double right = RightLimit();
  QString rest = segment;
  for (int guard = 0; guard < 2; ++guard) {
    const double floor = line_.Empty ? setup_.MarginLeft : std::max(setup_.MarginLeft, line_.End);
    const double width = advance(rest);
    double x = x_;
    if (line_.Empty && !xSet_ && align_ != TextAlign::Left) {
      const double start = LineStartX();
      x = align_ == TextAlign::Right ? right - width : start + (right - start - width) / 2;
    }
    x = std::max(x, floor);
    if (x + width <= right) {
      PlaceFragment(rest, x, width);
      return;
    }
    if (floor + width <= right) {
      PlaceFragment(rest, right - width, width);
      return;
    }
    if (!line_.Empty && LineStartX() + width <= right) {
      // Fits on a line of its own, where it keeps the X asked for.
      const double wanted = x_;
      const bool wantedSet = xSet_;
      LineBreak();
      if (wantedSet) {
        x_ = wanted;
        xSet_ = true;
      }
      continue;
    }
    // Wrap: the first line from x, the others from the line start.
    const double full = std::max(right - LineStartX(), 200.0);
    QStringList lines = Wrap(advance, rest, std::max(right - x, 0.0), full);
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) {
        LineBreak();
        x = x_;
      }
      if (lines[i].isEmpty()) continue;
      PlaceFragment(lines[i], std::max(x, i == 0 ? floor : setup_.MarginLeft), advance(lines[i]));
    }
    return;
  }
}

void ReportDocument::PlaceFragment(const QString& text, double x, double width) {
  const QFontMetricsF& m = Metrics(font_);
  double ascent = std::max(line_.Ascent, m.ascent());
  double descent = std::max(line_.Descent, m.descent());
  if (line_.Top + ascent + descent > BodyBottom() && line_.Top > bodyTop_ + 0.5) MoveLineToNewPage();
  ascent = std::max(line_.Ascent, m.ascent());
  descent = std::max(line_.Descent, m.descent());
  std::vector<ReportItem>& items = Current().Items;
  if (line_.Empty) {
    line_.FirstItem = items.size();
  } else if (ascent > line_.Ascent) {
    for (size_t i = line_.FirstItem; i < items.size(); ++i)
      if (std::holds_alternative<ReportTextItem>(items[i])) ShiftY(items[i], ascent - line_.Ascent);
  }
  const double baseline = line_.Top + ascent;
  items.push_back(ReportTextItem{text, QRectF(x, baseline - m.ascent(), width, m.ascent() + m.descent()), baseline,
                                 font_});
  line_.Ascent = ascent;
  line_.Descent = descent;
  line_.Leading = std::max(line_.Leading, m.leading());
  line_.End = x + width;
  line_.Empty = false;
  x_ = x + width;
}

void ReportDocument::MoveLineToNewPage() {
  std::vector<ReportItem>& old = Current().Items;
  std::vector<ReportItem> moved;
  if (!line_.Empty) {
    moved.assign(std::make_move_iterator(old.begin() + static_cast<std::ptrdiff_t>(line_.FirstItem)),
                 std::make_move_iterator(old.end()));
    old.erase(old.begin() + static_cast<std::ptrdiff_t>(line_.FirstItem), old.end());
  }
  const LineState kept = line_;
  const double x = x_;
  const bool xSet = xSet_;
  AddPage();
  const double dy = bodyTop_ - kept.Top;
  for (ReportItem& item : moved) {
    ShiftY(item, dy);
    Current().Items.push_back(std::move(item));
  }
  line_ = kept;
  line_.Top = bodyTop_;
  line_.FirstItem = 0;
  x_ = x;
  xSet_ = xSet;
}

void ReportDocument::DrawPicture(const QImage& picture, const QRectF& box) {
  if (!composing_ || picture.isNull() || !box.isValid()) return;
  Current().Items.push_back(ReportPictureItem{picture, box});
}

void ReportDocument::DrawDrawing(const QRectF& box, std::function<void(QPainter&, const QRectF&)> paint) {
  if (!composing_ || !paint || !box.isValid()) return;
  Current().Items.push_back(ReportDrawingItem{box, std::move(paint)});
}

// ---- tables ---------------------------------------------------------------------------

void ReportDocument::AddTable(const QString& layout, const QString& header, const QStringList& rows) {
  QList<QStringList> cells;
  for (const QString& row : rows) cells << SplitTableRow(row);
  AddTable(ParseTableLayout(layout), header.isEmpty() ? QStringList() : SplitTableRow(header), cells);
}

void ReportDocument::AddTable(const TableLayout& layoutIn, const QStringList& headerCells,
                              const QList<QStringList>& rows) {
  if (!composing_ || layoutIn.empty()) return;
  if (!line_.Empty) LineBreak();
  TableLayout layout = layoutIn;
  double total = 0;
  for (TableColumn& c : layout) {
    c.Width = std::isfinite(c.Width) ? std::max(0.0, c.Width) : 0.0;
    total += c.Width;
  }
  if (total <= 0) return;
  const double page = PageWidth();
  if (total > page) {
    for (TableColumn& c : layout) c.Width *= page / total;
    total = page;
  }
  const double body = RightLimit() - setup_.MarginLeft;
  const double left = std::clamp(setup_.MarginLeft + (body - total) / 2, 0.0, page - total);

  ReportFont headerFont = font_;
  headerFont.Bold = true;
  const double lineHeight = LineHeight();
  const double headerLineHeight = LineHeightOf(Metrics(headerFont));

  auto layoutRow = [&](const QStringList& cells, const ReportFont& font) {
    std::vector<QStringList> lines;
    const Measure advance = [this, &font](const QString& s) { return Advance(font, s); };
    for (size_t c = 0; c < layout.size(); ++c) {
      const QString text = static_cast<qsizetype>(c) < cells.size() ? cells[static_cast<qsizetype>(c)] : QString();
      const double room = std::max(layout[c].Width - 2 * kCellPadX, 100.0);
      QStringList cellLines;
      for (const QString& part : SplitLineBreaks(text)) cellLines << Wrap(advance, part, room, room);
      lines.push_back(cellLines);
    }
    return lines;
  };
  auto heightOf = [](const std::vector<QStringList>& lines, double lh) {
    qsizetype n = 1;
    for (const QStringList& l : lines) n = std::max(n, l.size());
    return static_cast<double>(n) * lh + 2 * kCellPadY;
  };

  const std::vector<QStringList> headerLines = layoutRow(headerCells, headerFont);
  const bool hasHeader = !headerCells.isEmpty();
  const double headerHeight = hasHeader ? heightOf(headerLines, headerLineHeight) : 0;

  double y = y_;
  auto startPart = [&](bool newPage) {
    if (newPage) {
      AddPage();
      y = y_;
    }
    if (hasHeader) {
      DrawTableRow(layout, left, y, headerHeight, headerLines, true);
      y += headerHeight;
    }
  };

  std::vector<std::vector<QStringList>> rowLines;
  rowLines.reserve(static_cast<size_t>(rows.size()));
  for (const QStringList& row : rows) rowLines.push_back(layoutRow(row, font_));
  const double firstRow = rowLines.empty() ? 0 : heightOf(rowLines.front(), lineHeight);
  startPart(y + headerHeight + firstRow > BodyBottom() && y > bodyTop_ + 0.5);
  double partTop = y;
  // What a fresh page holds below the header row.
  const double pageRoom = BodyBottom() - bodyTop_ - headerHeight;
  for (std::vector<QStringList> lines : rowLines) {
    while (true) {
      const double h = heightOf(lines, lineHeight);
      if (y + h <= BodyBottom()) {
        DrawTableRow(layout, left, y, h, lines, false);
        y += h;
        break;
      }
      if (h <= pageRoom && y > partTop + 0.5) {
        startPart(true);
        partTop = y;
        continue;
      }
      // A row taller than a page: as many of its lines as fit here, the
      // rest on the next page.
      qsizetype fit = static_cast<qsizetype>(std::floor((BodyBottom() - y - 2 * kCellPadY) / lineHeight));
      if (fit < 1) {
        if (y > partTop + 0.5) {
          startPart(true);
          partTop = y;
          continue;
        }
        fit = 1;
      }
      std::vector<QStringList> head, tail;
      bool more = false;
      for (const QStringList& cell : lines) {
        head.push_back(cell.mid(0, fit));
        tail.push_back(cell.mid(fit));
        more = more || !tail.back().isEmpty();
      }
      const double headHeight = heightOf(head, lineHeight);
      DrawTableRow(layout, left, y, headHeight, head, false);
      y += headHeight;
      if (!more) break;
      startPart(true);
      partTop = y;
      lines = std::move(tail);
    }
  }
  y_ = y;
  StartLine(y_);
  x_ = LineStartX();
  xSet_ = false;
}

void ReportDocument::DrawTableRow(const TableLayout& layout, double left, double top, double height,
                                  const std::vector<QStringList>& cellLines, bool header) {
  std::vector<ReportItem>& items = Current().Items;
  ReportFont font = font_;
  if (header) font.Bold = true;
  const QFontMetricsF& m = Metrics(font);
  const double lh = LineHeightOf(m);
  double width = 0;
  for (const TableColumn& c : layout) width += c.Width;
  if (header) items.push_back(ReportFillItem{QRectF(left, top, width, height), kHeaderFill});
  double x = left;
  for (size_t c = 0; c < layout.size(); ++c) {
    const double cellLeft = x + kCellPadX;
    const double cellRight = x + layout[c].Width - kCellPadX;
    double y = top + kCellPadY;
    for (const QString& line : cellLines[c]) {
      if (!line.isEmpty()) {
        const double w = m.horizontalAdvance(line);
        double tx = cellLeft;
        if (layout[c].Align == TextAlign::Centre) tx = (cellLeft + cellRight - w) / 2;
        else if (layout[c].Align == TextAlign::Right) tx = cellRight - w;
        tx = std::max(tx, x + kCellPadX / 2);
        items.push_back(ReportTextItem{line, QRectF(tx, y, w, m.ascent() + m.descent()), y + m.ascent(), font});
      }
      y += lh;
    }
    items.push_back(ReportLineItem{QLineF(x, top, x, top + height), kGridWidth});
    x += layout[c].Width;
  }
  items.push_back(ReportLineItem{QLineF(x, top, x, top + height), kGridWidth});
  items.push_back(ReportLineItem{QLineF(left, top, left + width, top), kGridWidth});
  items.push_back(ReportLineItem{QLineF(left, top + height, left + width, top + height), kGridWidth});
}

// ---- running block and overlays -----------------------------------------------------------

namespace {

struct PlacedLine {
  QString Text;
  double X;
  int Row;
};

std::vector<PlacedLine> LayoutHeader(const QStringList& parts, const Measure& advance, const PageSetup& setup) {
  const double leftEdge = setup.MarginLeft;
  const double rightEdge = setup.PageWidth() - setup.MarginRight;
  const double body = rightEdge - leftEdge;
  const double centre = setup.PageWidth() / 2;
  auto widest = [&](const QString& part) {
    double w = 0;
    for (const QString& l : SplitLineBreaks(part)) w = std::max(w, advance(l));
    return w;
  };
  const bool hasCentre = !parts[1].isEmpty();
  const double cw = std::min(widest(parts[1]), body / 3);
  double leftRoom, rightRoom;
  if (hasCentre) {
    leftRoom = centre - cw / 2 - kHeaderGap - leftEdge;
    rightRoom = rightEdge - (centre + cw / 2) - kHeaderGap;
  } else {
    rightRoom = std::min(widest(parts[2]), body / 2 - kHeaderGap / 2);
    leftRoom = body - rightRoom - kHeaderGap;
  }
  std::vector<PlacedLine> placed;
  auto place = [&](const QString& part, double room, int which) {
    room = std::max(which == 1 ? cw : room, 200.0);
    QStringList lines;
    for (const QString& l : SplitLineBreaks(part)) lines << Wrap(advance, l, room, room);
    // The block stays a block: a part longer than that ends with "...".
    if (lines.size() > kMaxHeaderLines) {
      lines = lines.mid(0, kMaxHeaderLines);
      QString& last = lines.back();
      while (!last.isEmpty() && advance(last + QStringLiteral("...")) > room) last.chop(1);
      last += QStringLiteral("...");
    }
    for (qsizetype row = 0; row < lines.size(); ++row) {
      const double w = advance(lines[row]);
      const double x = which == 0 ? leftEdge : which == 1 ? centre - w / 2 : rightEdge - w;
      if (!lines[row].isEmpty()) placed.push_back({lines[row], x, static_cast<int>(row)});
    }
  };
  place(parts[0], leftRoom, 0);
  if (hasCentre) place(parts[1], cw, 1);
  place(parts[2], rightRoom, 2);
  return placed;
}

}  // namespace

double ReportDocument::BodyTopBelow(const PageHeader& header) const {
  if (header.Parts.isEmpty()) return setup_.MarginTop;
  return std::max(setup_.MarginTop, setup_.HeaderTop + HeaderHeight(header) + kHeaderGap);
}

double ReportDocument::HeaderHeight(const PageHeader& header) const {
  if (header.Parts.isEmpty()) return 0;
  const Measure advance = [this, &header](const QString& s) { return Advance(header.Font, s); };
  int rows = 0;
  for (const PlacedLine& l : LayoutHeader(header.Parts, advance, setup_)) rows = std::max(rows, l.Row + 1);
  return rows * LineHeightOf(Metrics(header.Font));
}

void ReportDocument::DrawHeader(ReportPage& page, const PageHeader& header) const {
  if (header.Parts.isEmpty()) return;
  const Measure advance = [this, &header](const QString& s) { return Advance(header.Font, s); };
  const QFontMetricsF& m = Metrics(header.Font);
  const double lh = LineHeightOf(m);
  for (const PlacedLine& l : LayoutHeader(header.Parts, advance, setup_)) {
    const double top = setup_.HeaderTop + l.Row * lh;
    page.Items.push_back(ReportTextItem{l.Text, QRectF(l.X, top, advance(l.Text), m.ascent() + m.descent()),
                                        top + m.ascent(), header.Font});
  }
}

void ReportDocument::OverlayText(int page, double x, double y, const QString& text, const ReportFont& font) {
  if (page < 1 || page > PageCount()) return;
  const QFontMetricsF& m = Metrics(font);
  const double lh = LineHeightOf(m);
  double top = y;
  for (const QString& line : SplitLineBreaks(text)) {
    if (!line.isEmpty())
      pages_[static_cast<size_t>(page - 1)].Items.push_back(ReportTextItem{
          line, QRectF(x, top, m.horizontalAdvance(line), m.ascent() + m.descent()), top + m.ascent(), font});
    top += lh;
  }
}

}  // namespace arvex
