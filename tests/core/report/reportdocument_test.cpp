#include "report/reportdocument.h"
#include "report/reportrender.h"

#include "platform/numtext.h"
#include "support/testsupport.h"

#include <QRegularExpression>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace arvex {
namespace {

const ReportTextItem* FindText(const ReportPage& page, const QString& text) {
  for (const ReportTextItem* t : page.Texts())
    if (t->Text == text) return t;
  return nullptr;
}

TEST(TableLayoutTest, ReadsAlignmentsAndWidths) {
  const TableLayout production = ParseTableLayout(QStringLiteral("^+1300|^+800|+^1500|+^1500|+^1500|+^2000|+^2000;"));
  ASSERT_EQ(production.size(), 7u);
  double total = 0;
  for (const TableColumn& c : production) {
    EXPECT_EQ(c.Align, TextAlign::Centre);
    total += c.Width;
  }
  EXPECT_EQ(total, 10600);
  EXPECT_EQ(production[1].Width, 800);

  const TableLayout mixed = ParseTableLayout(QStringLiteral("^+900|<+2200|>665|+750"));
  ASSERT_EQ(mixed.size(), 4u);
  EXPECT_EQ(mixed[0], (TableColumn{900, TextAlign::Centre}));
  EXPECT_EQ(mixed[1], (TableColumn{2200, TextAlign::Left}));
  EXPECT_EQ(mixed[2], (TableColumn{665, TextAlign::Right}));
  EXPECT_EQ(mixed[3], (TableColumn{750, TextAlign::Left}));
  EXPECT_TRUE(ParseTableLayout(QString()).empty());
  EXPECT_EQ(ParseTableLayout(QStringLiteral("^|<"))[0].Width, 1000);

  EXPECT_EQ(SplitTableRow(QStringLiteral("Efficiency|1 hr|Shift;")),
            (QStringList{QStringLiteral("Efficiency"), QStringLiteral("1 hr"), QStringLiteral("Shift")}));
  EXPECT_EQ(SplitTableRow(QStringLiteral("a||b")).size(), 3);
}

class ReportDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.StartDoc(); }
  ReportDocument doc;
};

TEST_F(ReportDocumentTest, LineBreaksMoveToTheStartOfTheNextLine) {
  doc.SetFontSize(12);
  const double top = doc.CurrentY();
  doc.SetCurrentX(3000);
  doc.Print(QStringLiteral("first\r\nsecond\nthird"));
  const ReportPage& page = doc.Page(1);
  const ReportTextItem* first = FindText(page, QStringLiteral("first"));
  const ReportTextItem* second = FindText(page, QStringLiteral("second"));
  const ReportTextItem* third = FindText(page, QStringLiteral("third"));
  ASSERT_TRUE(first && second && third);
  EXPECT_EQ(first->Box.left(), 3000);
  EXPECT_EQ(second->Box.left(), doc.MarginLeft());
  EXPECT_DOUBLE_EQ(second->Box.top() - first->Box.top(), doc.LineHeight());
  EXPECT_DOUBLE_EQ(third->Box.top() - second->Box.top(), doc.LineHeight());
  // No line break after "third": X follows the text, Y stays on its line.
  EXPECT_DOUBLE_EQ(doc.CurrentX(), third->Box.right());
  EXPECT_DOUBLE_EQ(doc.CurrentY(), top + 2 * doc.LineHeight());
  EXPECT_EQ(first->Font.Size, 12);
  EXPECT_EQ(first->Font.Name, QStringLiteral("Arial"));
}

TEST_F(ReportDocumentTest, TextStaysBetweenTheMargins) {
  doc.SetCurrentX(0);
  doc.Print(QStringLiteral("left"));
  doc.LineBreak();
  doc.SetCurrentX(doc.PageWidth() - 100);
  doc.Print(QStringLiteral("pushed back"));
  doc.LineBreak();
  const ReportTextItem* left = FindText(doc.Page(1), QStringLiteral("left"));
  const ReportTextItem* pushed = FindText(doc.Page(1), QStringLiteral("pushed back"));
  ASSERT_TRUE(left && pushed);
  EXPECT_EQ(left->Box.left(), doc.MarginLeft());
  EXPECT_DOUBLE_EQ(pushed->Box.right(), doc.PageWidth() - doc.MarginRight());

  // A second text on the same line is never pushed back over the first:
  // it is moved left only as far as the first allows, and goes to the next
  // line when it does not fit beside it.
  const double body = doc.PageWidth() - doc.MarginLeft() - doc.MarginRight();
  doc.SetCurrentX(doc.MarginLeft());
  doc.Print(QStringLiteral("first"));
  const double firstRight = doc.CurrentX();
  const QString beside = QStringLiteral("w").repeated(static_cast<int>(body / doc.TextWidth(QStringLiteral("w")) * 0.8));
  doc.SetCurrentX(doc.PageWidth() - 10);
  doc.Print(beside);
  doc.SetCurrentX(doc.PageWidth() - 10);
  doc.Print(QStringLiteral("next"));
  doc.LineBreak();
  const ReportTextItem* first = FindText(doc.Page(1), QStringLiteral("first"));
  const ReportTextItem* w = FindText(doc.Page(1), beside);
  const ReportTextItem* next = FindText(doc.Page(1), QStringLiteral("next"));
  ASSERT_TRUE(first && w && next);
  EXPECT_EQ(w->Baseline, first->Baseline);
  EXPECT_GE(w->Box.left(), firstRight);
  EXPECT_NEAR(w->Box.right(), doc.PageWidth() - doc.MarginRight(), 0.01);
  EXPECT_GE(next->Box.top(), w->Box.bottom());
  EXPECT_NEAR(next->Box.right(), doc.PageWidth() - doc.MarginRight(), 0.01);
}

TEST_F(ReportDocumentTest, LongTextWrapsAtBlanksAndCutsOverlongWords) {
  const QString text = QStringLiteral("The quick brown fox jumps over the lazy dog. ").repeated(10);
  doc.Paragraph(text);
  const QString path = QStringLiteral("/a/very/long/path/") + QStringLiteral("x").repeated(400) + QStringLiteral(".rvx");
  doc.Paragraph(path);
  QString joinedWords, joinedPath;
  int lines = 0;
  for (const ReportTextItem* t : doc.Page(1).Texts()) {
    EXPECT_GE(t->Box.left(), doc.MarginLeft());
    EXPECT_LE(t->Box.right(), doc.PageWidth() - doc.MarginRight() + 0.01);
    if (t->Text.startsWith(u'/') || t->Text.startsWith(u'x')) joinedPath += t->Text;
    else {
      joinedWords += (joinedWords.isEmpty() ? QString() : QStringLiteral(" ")) + t->Text;
      ++lines;
    }
  }
  EXPECT_GT(lines, 2);
  EXPECT_EQ(joinedWords, text.trimmed());
  EXPECT_EQ(joinedPath, path);
}

TEST_F(ReportDocumentTest, TextRunningPastTheBottomMarginGoesToANewPage) {
  for (int i = 1; i <= 120; ++i) doc.Paragraph(QStringLiteral("line %1").arg(i));
  ASSERT_GT(doc.PageCount(), 1);
  int seen = 0;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    for (const ReportTextItem* t : doc.Page(p).Texts()) {
      EXPECT_LE(t->Box.bottom(), doc.BodyBottom());
      EXPECT_GE(t->Box.top(), doc.BodyTop());
      EXPECT_EQ(t->Text, QStringLiteral("line %1").arg(++seen));
    }
  }
  EXPECT_EQ(seen, 120);
  EXPECT_EQ(FindText(doc.Page(2), doc.Page(2).Texts().front()->Text)->Box.top(), doc.BodyTop());
}

TEST_F(ReportDocumentTest, TextsOfDifferentSizesOnOneLineShareTheBaseline) {
  doc.SetFont(ReportFont{QStringLiteral("Arial"), 10, true});
  doc.Print(QStringLiteral("small "));
  doc.SetFontSize(18);
  doc.Print(QStringLiteral("large "));
  doc.SetFontSize(10);
  doc.Print(QStringLiteral("small again"));
  doc.LineBreak();
  doc.Print(QStringLiteral("next"));
  const ReportPage& page = doc.Page(1);
  const ReportTextItem* a = FindText(page, QStringLiteral("small "));
  const ReportTextItem* b = FindText(page, QStringLiteral("large "));
  const ReportTextItem* c = FindText(page, QStringLiteral("small again"));
  const ReportTextItem* next = FindText(page, QStringLiteral("next"));
  ASSERT_TRUE(a && b && c && next);
  EXPECT_DOUBLE_EQ(a->Baseline, b->Baseline);
  EXPECT_DOUBLE_EQ(c->Baseline, b->Baseline);
  EXPECT_DOUBLE_EQ(b->Box.left(), a->Box.right());
  EXPECT_GE(next->Box.top(), b->Box.bottom());
  EXPECT_EQ(b->Font.Size, 18);
  EXPECT_TRUE(b->Font.Bold);
}

TEST_F(ReportDocumentTest, TableRowsFlowOverPagesUnderARepeatedHeader) {
  doc.SetFontSize(10);
  QList<QStringList> rows;
  for (int i = 1; i <= 150; ++i) rows << QStringList{QStringLiteral("T%1").arg(i), QStringLiteral("Drill"), Str(i)};
  doc.AddTable(ParseTableLayout(QStringLiteral("^+900|<+2200|^+750")),
               QStringList{QStringLiteral("Tool No"), QStringLiteral("Description"), QStringLiteral("RPM")}, rows);
  ASSERT_GT(doc.PageCount(), 2);
  int row = 0;
  const double tableLeft = doc.MarginLeft() + (doc.PageWidth() - doc.MarginLeft() - doc.MarginRight() - 3850) / 2;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    const ReportPage& page = doc.Page(p);
    const ReportTextItem* header = FindText(page, QStringLiteral("Tool No"));
    ASSERT_TRUE(header) << "page " << p;
    EXPECT_TRUE(header->Font.Bold);
    for (const ReportTextItem* t : page.Texts()) {
      EXPECT_LE(t->Box.bottom(), doc.BodyBottom());
      if (!t->Text.startsWith(u'T') || t->Text == QStringLiteral("Tool No")) continue;
      ++row;
      EXPECT_EQ(t->Text, QStringLiteral("T%1").arg(row));
      // Centred in the first column.
      EXPECT_NEAR(t->Box.center().x(), tableLeft + 450, 0.01);
    }
    for (const ReportItem& item : page.Items)
      if (const auto* l = std::get_if<ReportLineItem>(&item)) {
        EXPECT_LE(l->Line.y2(), doc.BodyBottom());
      }
  }
  EXPECT_EQ(row, 150);
  // Left-aligned description column.
  const ReportTextItem* drill = FindText(doc.Page(1), QStringLiteral("Drill"));
  ASSERT_TRUE(drill);
  EXPECT_NEAR(drill->Box.left(), tableLeft + 900 + 40, 0.01);
  EXPECT_FALSE(drill->Font.Bold);
}

TEST_F(ReportDocumentTest, WideCellsWrapInsideTheirColumn) {
  doc.AddTable(QStringLiteral("<+1000|^+1000;"), QStringLiteral("A|B;"),
               QStringList{QStringLiteral("a rather long description|x;"), QStringLiteral("y|z;")});
  double right = 0;
  int pieces = 0;
  double bottomOfFirstRow = 0;
  for (const ReportTextItem* t : doc.Page(1).Texts()) {
    if (t->Text == QStringLiteral("A") || t->Text == QStringLiteral("B")) continue;
    if (t->Text == QStringLiteral("y")) {
      EXPECT_GT(t->Box.top(), bottomOfFirstRow);
      continue;
    }
    if (t->Text == QStringLiteral("x") || t->Text == QStringLiteral("z")) continue;
    ++pieces;
    right = std::max(right, t->Box.right());
    bottomOfFirstRow = std::max(bottomOfFirstRow, t->Box.bottom());
  }
  EXPECT_GE(pieces, 2);
  const double tableLeft = doc.MarginLeft() + (doc.PageWidth() - doc.MarginLeft() - doc.MarginRight() - 2000) / 2;
  EXPECT_LE(right, tableLeft + 1000);
}

TEST_F(ReportDocumentTest, ARowTallerThanAPageContinuesOnTheNext) {
  const QString huge = QStringLiteral("description ").repeated(900).trimmed();
  doc.AddTable(QStringLiteral("^+900|<+2200;"), QStringLiteral("Tool No|Description;"),
               QStringList{QStringLiteral("T1|") + huge + u';', QStringLiteral("T2|short;")});
  ASSERT_GE(doc.PageCount(), 2);
  int pieces = 0;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    EXPECT_TRUE(FindText(doc.Page(p), QStringLiteral("Tool No"))) << p;
    for (const ReportTextItem* t : doc.Page(p).Texts()) {
      EXPECT_LE(t->Box.bottom(), doc.BodyBottom()) << p;
      if (t->Text.startsWith(QStringLiteral("description"))) ++pieces;
    }
    for (const ReportItem& item : doc.Page(p).Items)
      if (const auto* l = std::get_if<ReportLineItem>(&item)) {
        EXPECT_LE(l->Line.y2(), doc.BodyBottom() + 0.01);
      }
  }
  EXPECT_GT(pieces, 60);
  EXPECT_TRUE(FindText(doc.Page(doc.PageCount()), QStringLiteral("T2")));
}

TEST_F(ReportDocumentTest, ALongRunningBlockIsCutShort) {
  ReportFont small;
  small.Size = 8;
  const QString customer = QStringLiteral("Customer ").repeated(300);
  doc.SetHeader(QStringLiteral("Cust: ") + customer, QStringLiteral("Mach: M"), QStringLiteral("Printed on: today"), small);
  doc.Paragraph(QStringLiteral("body"));
  doc.EndDoc();
  QStringList left;
  for (const ReportTextItem* t : doc.Page(1).Texts())
    if (t->Text.startsWith(QStringLiteral("Cust")) || t->Text.startsWith(QStringLiteral("Customer"))) left << t->Text;
  ASSERT_EQ(left.size(), 5);
  EXPECT_TRUE(left.last().endsWith(QStringLiteral("...")));
  EXPECT_LT(doc.BodyTop(), doc.PageHeight() / 4);
  double headerBottom = 0;
  for (const ReportTextItem* t : doc.Page(1).Texts())
    if (t->Text != QStringLiteral("body")) headerBottom = std::max(headerBottom, t->Box.bottom());
  EXPECT_GT(FindText(doc.Page(1), QStringLiteral("body"))->Box.top(), headerBottom);
}

TEST_F(ReportDocumentTest, AWordWithoutBlanksIsCutIntoLines) {
  const QString word = QStringLiteral("x").repeated(20000) + QStringLiteral("\U0001F600").repeated(50);
  doc.Paragraph(word);
  QString joined;
  for (int p = 1; p <= doc.PageCount(); ++p)
    for (const ReportTextItem* t : doc.Page(p).Texts()) {
      EXPECT_LE(t->Box.right(), doc.PageWidth() - doc.MarginRight() + 0.01);
      joined += t->Text;
    }
  EXPECT_EQ(joined, word);
}

TEST_F(ReportDocumentTest, RunningBlockIsOnEveryPageAboveTheBody) {
  ReportFont small;
  small.Size = 8;
  doc.SetHeader(QStringLiteral("Cust: A\r\nPart No: 1  P\r\nDocument: d.rvx|Mach: M|Printed on: today"), small);
  const double top = doc.CurrentY();
  doc.Paragraph(QStringLiteral("body"));
  doc.NewPage();
  doc.Paragraph(QStringLiteral("body 2"));
  doc.EndDoc();
  for (int p = 1; p <= 2; ++p) {
    const ReportPage& page = doc.Page(p);
    const ReportTextItem* cust = FindText(page, QStringLiteral("Cust: A"));
    const ReportTextItem* document = FindText(page, QStringLiteral("Document: d.rvx"));
    const ReportTextItem* mach = FindText(page, QStringLiteral("Mach: M"));
    const ReportTextItem* printed = FindText(page, QStringLiteral("Printed on: today"));
    ASSERT_TRUE(cust && document && mach && printed);
    EXPECT_EQ(cust->Box.left(), doc.MarginLeft());
    EXPECT_NEAR(mach->Box.center().x(), doc.PageWidth() / 2, 0.01);
    EXPECT_NEAR(printed->Box.right(), doc.PageWidth() - doc.MarginRight(), 0.01);
    EXPECT_EQ(cust->Font.Size, 8);
    const ReportTextItem* body = page.Texts().front();
    EXPECT_TRUE(body->Text.startsWith(QStringLiteral("body")));
    EXPECT_LT(document->Box.bottom(), body->Box.top());
  }
  EXPECT_EQ(top, doc.BodyTop());
}

TEST_F(ReportDocumentTest, OverlayGoesOnFinishedPagesAndPrintingAfterTheEndIsIgnored) {
  doc.NewPage();
  doc.EndDoc();
  doc.Paragraph(QStringLiteral("too late"));
  doc.OverlayText(2, 100, 200, QStringLiteral("stamp"), ReportFont{});
  doc.OverlayText(3, 100, 200, QStringLiteral("nowhere"), ReportFont{});
  EXPECT_EQ(doc.PageCount(), 2);
  EXPECT_EQ(doc.Page(1).Texts().size(), 0);
  ASSERT_EQ(doc.Page(2).TextStrings(), QStringList{QStringLiteral("stamp")});
  EXPECT_EQ(doc.Page(2).Texts().front()->Box.topLeft(), QPointF(100, 200));
  // A new document starts empty.
  doc.StartDoc();
  EXPECT_EQ(doc.PageCount(), 1);
  EXPECT_TRUE(doc.Page(1).Items.empty());
}

TEST(ReportPdfTest, WritesAPdfAndNeverLeavesABrokenOne) {
  ReportDocument doc;
  doc.StartDoc();
  doc.Paragraph(QStringLiteral("Cycle Time Estimate"));
  doc.NewPage();
  doc.Paragraph(QStringLiteral("second page"));
  doc.EndDoc();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("out.pdf"));
  QString error;
  ASSERT_TRUE(WriteReportPdf(doc, path, &error)) << error.toStdString();
  const QByteArray pdf = test::ReadBytes(path);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 2);

  // A folder that does not exist: a message, nothing written.
  EXPECT_FALSE(WriteReportPdf(doc, dir.filePath(QStringLiteral("missing/out.pdf")), &error));
  EXPECT_FALSE(error.isEmpty());
  // An empty document is refused and the good file stays.
  ReportDocument empty;
  EXPECT_FALSE(WriteReportPdf(empty, path, &error));
  EXPECT_EQ(test::ReadBytes(path), pdf);
}

TEST(PageSetupTest, PrinterBorderWidensTheInset) {
  const PageSetup letter = PageSetup::Letter();
  EXPECT_EQ(letter.PaperWidth, 12240);
  EXPECT_EQ(letter.PaperHeight, 15840);
  EXPECT_EQ(letter.PageWidth(), 11520);
  const PageSetup a4 = PageSetup::ForPaper(QSizeF(11906, 16838), QMarginsF(100, 500, 100, 500));
  EXPECT_EQ(a4.Inset, QMarginsF(360, 500, 360, 500));
  EXPECT_EQ(a4.PageHeight(), 16838 - 1000);
}

}  // namespace
}  // namespace arvex
