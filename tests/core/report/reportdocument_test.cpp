#include "report/reportdocument.h"

#include "platform/numtext.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace arvex {
namespace {

const ReportTextItem* FindText(const ReportPage& page, const QString& text) {
  for (const ReportTextItem* t : page.Texts())
    if (t->Text == text) return t;
  return nullptr;
}

TEST(TableLayoutTest, ReadsAlignmentsAndWidths) {
  EXPECT_EQ(ParseTableLayout("^+1300|+^800;"), (TableLayout{{1300, TextAlign::Centre}, {800, TextAlign::Centre}}));
  EXPECT_EQ(ParseTableLayout("^+900|<+2200|>665|+750"),
            (TableLayout{{900, TextAlign::Centre}, {2200, TextAlign::Left}, {665, TextAlign::Right},
                         {750, TextAlign::Left}}));
  EXPECT_EQ(ParseTableLayout("^|<")[0].Width, 1000);

  EXPECT_EQ(SplitTableRow("Efficiency|1 hr|Shift;"), (QStringList{"Efficiency", "1 hr", "Shift"}));
  EXPECT_EQ(SplitTableRow("a||b").size(), 3);
}

class ReportDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.StartDoc(); }
  const ReportTextItem* Text(const QString& text, int page = 1) const { return FindText(doc.Page(page), text); }
  double Right() const { return doc.PageWidth() - doc.MarginRight(); }
  // Every text and rule of every page inside the margins and the body.
  void ExpectInsideTheBody() const {
    for (int p = 1; p <= doc.PageCount(); ++p) {
      for (const ReportTextItem* t : doc.Page(p).Texts()) {
        EXPECT_GE(t->Box.left(), doc.MarginLeft()) << "page " << p;
        EXPECT_LE(t->Box.right(), Right() + 0.01) << "page " << p;
        EXPECT_GE(t->Box.top(), doc.BodyTop()) << "page " << p;
        EXPECT_LE(t->Box.bottom(), doc.BodyBottom()) << "page " << p;
      }
      for (const ReportItem& item : doc.Page(p).Items)
        if (const auto* l = std::get_if<ReportLineItem>(&item)) {
          EXPECT_LE(l->Line.y2(), doc.BodyBottom() + 0.01) << "page " << p;
        }
    }
  }
  ReportDocument doc;
};

TEST_F(ReportDocumentTest, LineBreaksMoveToTheStartOfTheNextLine) {
  doc.SetFontSize(12);
  const double top = doc.CurrentY();
  doc.SetCurrentX(3000);
  doc.Print("first\r\nsecond\nthird");
  const ReportTextItem *first = Text("first"), *second = Text("second"), *third = Text("third");
  ASSERT_TRUE(first && second && third);
  EXPECT_EQ(first->Box.left(), 3000);
  EXPECT_EQ(second->Box.left(), doc.MarginLeft());
  EXPECT_DOUBLE_EQ(second->Box.top() - first->Box.top(), doc.LineHeight());
  EXPECT_DOUBLE_EQ(third->Box.top() - second->Box.top(), doc.LineHeight());
  // No line break after "third": X follows the text, Y stays on its line.
  EXPECT_DOUBLE_EQ(doc.CurrentX(), third->Box.right());
  EXPECT_DOUBLE_EQ(doc.CurrentY(), top + 2 * doc.LineHeight());
}

TEST_F(ReportDocumentTest, LongTextWrapsAtBlanksCutsOverlongWordsAndGoesOnOnANewPage) {
  for (int i = 1; i <= 120; ++i) doc.Paragraph(u"line %1"_s.arg(i));
  const int linePages = doc.PageCount();
  ASSERT_GT(linePages, 1);
  int seen = 0;
  for (int p = 1; p <= linePages; ++p)
    for (const ReportTextItem* t : doc.Page(p).Texts()) EXPECT_EQ(t->Text, u"line %1"_s.arg(++seen));
  EXPECT_EQ(seen, 120);
  EXPECT_EQ(doc.Page(2).Texts().front()->Box.top(), doc.BodyTop());
  doc.NewPage();

  const QString text = u"The quick brown fox jumps over the lazy dog. "_s.repeated(10);
  doc.Paragraph(text);
  const QString path = "/a/very/long/path/" + u"x"_s.repeated(400) + ".rvx";
  doc.Paragraph(path);
  QString joinedWords, joinedPath;
  int lines = 0;
  for (int p = linePages + 1; p <= doc.PageCount(); ++p)
    for (const ReportTextItem* t : doc.Page(p).Texts()) {
      if (t->Text.startsWith(u'/') || t->Text.startsWith(u'x')) joinedPath += t->Text;
      else {
        joinedWords += (joinedWords.isEmpty() ? QString() : " ") + t->Text;
        ++lines;
      }
    }
  EXPECT_GT(lines, 2);
  EXPECT_EQ(joinedWords, text.trimmed());
  EXPECT_EQ(joinedPath, path);
  ExpectInsideTheBody();
}

TEST_F(ReportDocumentTest, TableRowsFlowOverPagesUnderARepeatedHeader) {
  doc.SetFontSize(10);
  QList<QStringList> rows;
  for (int i = 1; i <= 152; ++i) rows << QStringList{u"T%1"_s.arg(i), "Drill", Str(i)};
  doc.AddTable(ParseTableLayout("^+900|<+2200|^+750"), QStringList{"Tool No", "Description", "RPM"}, rows);
  ASSERT_GT(doc.PageCount(), 3);
  int row = 0;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    const ReportTextItem* header = Text("Tool No", p);
    ASSERT_TRUE(header) << "page " << p;
    EXPECT_TRUE(header->Font.Bold);
    for (const ReportTextItem* t : doc.Page(p).Texts()) {
      if (!t->Text.startsWith(u'T') || t->Text == "Tool No") continue;
      EXPECT_EQ(t->Text, u"T%1"_s.arg(++row));
    }
  }
  EXPECT_EQ(row, 152);
  EXPECT_TRUE(Text("T152", doc.PageCount()));
  ExpectInsideTheBody();
}

TEST_F(ReportDocumentTest, RunningBlockIsOnEveryPageAboveTheBody) {
  doc.SetHeader("Cust: A\r\nPart No: 1  P\r\nDocument: d.rvx|Mach: M|Printed on: today", ReportFont{"Arial", 8, false});
  const double top = doc.CurrentY();
  doc.Paragraph("body");
  doc.NewPage();
  doc.Paragraph("body 2");
  doc.EndDoc();
  for (int p = 1; p <= 2; ++p) {
    SCOPED_TRACE(p);
    const ReportTextItem *cust = Text("Cust: A", p), *document = Text("Document: d.rvx", p);
    const ReportTextItem *mach = Text("Mach: M", p), *printed = Text("Printed on: today", p);
    ASSERT_TRUE(cust && document && mach && printed);
    const ReportTextItem* body = doc.Page(p).Texts().front();
    EXPECT_TRUE(body->Text.startsWith("body"));
    EXPECT_LT(document->Box.bottom(), body->Box.top());
  }
  EXPECT_EQ(top, doc.BodyTop());
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
