#pragma once
// A paged report composed once and painted on any device: the print
// preview, a printer, a PDF file. Everything is measured in twips (1/1440
// inch) on the page, the page being the paper less a border that every
// printer can print on. The document records each page as a list of drawing
// items (texts with their boxes and fonts, lines, pictures), so what a test
// inspects is exactly what gets painted.
//
// The composing interface follows a print-control model: a current X and Y,
// a current font, text that flows between the left and right margins and
// breaks onto a new page at the bottom margin, tables from layout texts, a
// running text block on every page and text overlaid on finished pages.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>
#include <vector>

class QPainter;

namespace arvex {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kTwipsPerPoint = 20;

enum class TextAlign { Left, Centre, Right };

struct ReportFont {
  QString Name = QStringLiteral("Arial");
  double Size = 10;  // points
  bool Bold = false;
  bool operator==(const ReportFont&) const = default;
};

// Paper and margins, in twips. The report's page is the paper less Inset on
// each side (kept free because printers cannot print to the paper's edge);
// the margins lie inside that page: body text flows from MarginLeft to
// PageWidth - MarginRight and from the top margin (or below the running
// block) to PageHeight - MarginBottom.
struct PageSetup {
  double PaperWidth = 12240;  // US Letter, 8.5 x 11 inch
  double PaperHeight = 15840;
  QMarginsF Inset{360, 360, 360, 360};
  double MarginLeft = 360;
  double MarginRight = 360;
  double MarginTop = 1100;
  double MarginBottom = 800;
  // Where the running block starts, from the top of the page.
  double HeaderTop = 200;

  double PageWidth() const { return PaperWidth - Inset.left() - Inset.right(); }
  double PageHeight() const { return PaperHeight - Inset.top() - Inset.bottom(); }

  static PageSetup Letter() { return {}; }
  // A paper size in twips with the printer's unprintable border (twips);
  // the inset is never less than the Letter default.
  static PageSetup ForPaper(QSizeF paper, QMarginsF unprintable);
  bool operator==(const PageSetup&) const = default;
};

// One line of text: Box is the line's box (left, top, advance width, line
// height), Baseline the Y of its baseline.
struct ReportTextItem {
  QString Text;
  QRectF Box;
  double Baseline = 0;
  ReportFont Font;
};
struct ReportLineItem {
  QLineF Line;
  double Width = 10;
};
struct ReportFillItem {
  QRectF Box;
  QColor Color;
};
struct ReportPictureItem {
  QImage Picture;
  QRectF Box;
};
// A drawing of its own (a chart) in a box: Paint draws it there on any
// painter whose coordinates are twips of the page.
struct ReportDrawingItem {
  QRectF Box;
  std::function<void(QPainter& painter, const QRectF& box)> Paint;
};
using ReportItem =
    std::variant<ReportTextItem, ReportLineItem, ReportFillItem, ReportPictureItem, ReportDrawingItem>;

struct ReportPage {
  std::vector<ReportItem> Items;
  // Every text item in drawing order.
  QList<const ReportTextItem*> Texts() const;
  // The texts' strings in drawing order.
  QStringList TextStrings() const;
};

// A column of a table layout: its width (twips) and alignment.
struct TableColumn {
  double Width = 0;
  TextAlign Align = TextAlign::Left;
  bool operator==(const TableColumn&) const = default;
};
using TableLayout = std::vector<TableColumn>;

// Parses a layout text such as "^+1300|<+2200|>900;": "^" centred, "<" left,
// ">" right (the default is left), digits the width in twips; "+" and other
// marks are accepted and ignored; a final ";" ends the layout. A column
// without a width gets 1000 twips.
TableLayout ParseTableLayout(const QString& layout);
// A row text "a|b|c;" as its cells; the final ";" is dropped.
QStringList SplitTableRow(const QString& row);

class ReportDocument {
 public:
  explicit ReportDocument(const PageSetup& setup = PageSetup::Letter());

  // The page setup of the next document (the current one keeps its own).
  void SetPageSetup(const PageSetup& setup) { nextSetup_ = setup; }
  const PageSetup& Setup() const { return setup_; }

  // Discards any document and starts a new one on page 1.
  void StartDoc();
  // Ends the document: draws the running block on every page. Overlays may
  // follow; further printing is ignored.
  void EndDoc();
  bool IsComposing() const { return composing_; }
  // Starts a new page; X and Y go to the start of its body.
  void NewPage();

  // The running block: "left|centre|right", each part may hold line breaks;
  // printed on every page at the top in its own font. The body of the
  // current and later pages starts below it.
  void SetHeader(const QString& text, const ReportFont& font);
  // The same from its three parts, which may themselves hold "|".
  void SetHeader(const QString& left, const QString& centre, const QString& right, const ReportFont& font);

  void SetFont(const ReportFont& font);
  void SetFontName(const QString& name);
  void SetFontSize(double points);
  void SetFontBold(bool bold);
  const ReportFont& Font() const { return font_; }
  void SetTextAlign(TextAlign align) { align_ = align; }
  TextAlign Align() const { return align_; }
  // Indent of every line that starts after a line break, from the left margin.
  void SetIndentLeft(double twips);
  double IndentLeft() const { return indent_; }

  double CurrentX() const { return x_; }
  double CurrentY() const { return y_; }
  void SetCurrentX(double x);
  // Setting Y ends the current line.
  void SetCurrentY(double y);

  double PageWidth() const { return setup_.PageWidth(); }
  double PageHeight() const { return setup_.PageHeight(); }
  double MarginLeft() const { return setup_.MarginLeft; }
  double MarginRight() const { return setup_.MarginRight; }
  // Where the body starts on a page and where it must end.
  double BodyTop() const { return bodyTop_; }
  double BodyBottom() const { return setup_.PageHeight() - setup_.MarginBottom; }
  // The lowest point drawn so far by the body of the current page (BodyTop
  // when nothing has been drawn).
  double ContentBottom() const;

  // Starts a new page when less than `height` is left above the bottom
  // margin (keeps a heading with what follows it). True when it did.
  bool EnsureSpace(double height);

  // The width of the widest line and the height of all lines of a text in
  // the current font.
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text) const;
  double LineHeight() const;

  // Prints text at the current position; a line break moves to the start of
  // the next line. A line that would start left of the left margin starts at
  // it; one that would pass the right margin is moved left as far as the
  // text already on the line allows, and wrapped at blanks (or anywhere in a
  // word wider than the body) when it still does not fit. A line that would
  // pass the bottom margin goes to a new page.
  void Print(const QString& text);
  // Print followed by a line break.
  void Paragraph(const QString& text);
  void LineBreak();

  // Draws a picture in a box (twips on the current page); X and Y stay.
  void DrawPicture(const QImage& picture, const QRectF& box);
  // A drawing in a box of the current page, painted by `paint` on every
  // device the document goes to; X and Y stay.
  void DrawDrawing(const QRectF& box, std::function<void(QPainter&, const QRectF&)> paint);

  // A table with a header row, centred between the margins (wider tables
  // extend into the margins, tables wider than the page are scaled to it).
  // Cells wrap within their column; a row that does not fit goes to a new
  // page, under a repeated header. Starts on a new line; Y ends below it.
  void AddTable(const QString& layout, const QString& header, const QStringList& rows);
  void AddTable(const TableLayout& layout, const QStringList& headerCells, const QList<QStringList>& rows);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  // Page n, 1-based.
  const ReportPage& Page(int n) const { return pages_.at(static_cast<size_t>(n - 1)); }
  const std::vector<ReportPage>& Pages() const { return pages_; }
  // Text drawn on finished page n (1-based) with its top-left at (x, y),
  // outside the flow of the body.
  void OverlayText(int page, double x, double y, const QString& text, const ReportFont& font);

 private:
  struct PageHeader {
    QStringList Parts;  // left, centre, right; empty when there is none
    ReportFont Font;
  };
  struct LineState {
    double Top = 0;
    double Ascent = 0;
    double Descent = 0;
    double Leading = 0;
    double End = 0;            // right edge of the last fragment
    size_t FirstItem = 0;      // index of the line's first item on the page
    bool Empty = true;
  };

  ReportPage& Current() { return pages_.back(); }
  void AddPage();
  void StartLine(double top);
  double LineStartX() const { return setup_.MarginLeft + indent_; }
  double RightLimit() const { return setup_.PageWidth() - setup_.MarginRight; }
  void PrintSegment(const QString& segment);
  void PlaceFragment(const QString& text, double x, double width);
  void MoveLineToNewPage();
  double HeaderHeight(const PageHeader& header) const;
  // Where the body starts on a page with this running block.
  double BodyTopBelow(const PageHeader& header) const;
  void DrawHeader(ReportPage& page, const PageHeader& header) const;
  void DrawTableRow(const TableLayout& layout, double left, double top, double height,
                    const std::vector<QStringList>& cellLines, bool header);

  const QFontMetricsF& Metrics(const ReportFont& font) const;
  double Advance(const ReportFont& font, const QString& text) const;

  PageSetup setup_;
  PageSetup nextSetup_;
  mutable std::vector<std::pair<ReportFont, QFontMetricsF>> metrics_;
  std::vector<ReportPage> pages_;
  std::vector<PageHeader> headers_;  // the running block of each page
  PageHeader header_;
  bool composing_ = false;
  ReportFont font_;
  TextAlign align_ = TextAlign::Left;
  double indent_ = 0;
  double x_ = 0;
  double y_ = 0;
  bool xSet_ = false;  // X set since the last line break
  double bodyTop_ = 0;
  LineState line_;
};

// Text metrics of the report's fonts in twips, device independent.
double TextAdvance(const ReportFont& font, const QString& text);
struct ReportFontMetrics {
  double Ascent = 0;
  double Descent = 0;
  double Leading = 0;
  double LineHeight() const { return Ascent + Descent + Leading; }
};
ReportFontMetrics MetricsOf(const ReportFont& font);
// The font as painted: the named family at Size x 20 pixels, so that one
// pixel is one twip.
QFont QFontOf(const ReportFont& font);
// Breaks text (no line breaks in it) into lines no wider than maxWidth: at
// blanks, or inside a word that is wider than maxWidth by itself. The first
// line may be given less room (firstWidth).
QStringList WrapText(const ReportFont& font, const QString& text, double firstWidth, double maxWidth);

}  // namespace arvex
