#include "platform/textfile.h"

#include "platform/itemreader.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace arvex;
using arvex::test::TempAppFolder;

TEST(Windows1252Test, EveryByteDecodesAndEncodesBack) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  const QString text = DecodeWindows1252(all);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(text[0x80], QChar(0x20AC));  // euro sign
  EXPECT_EQ(text[0xE9], QChar(0xE9));    // e acute
  QByteArray back;
  QString bad;
  ASSERT_TRUE(EncodeWindows1252(text, &back, &bad));
  EXPECT_EQ(back, all);
}

TEST(TextFileTest, SplitLinesAcceptsCrLfLfAndCr) {
  EXPECT_EQ(SplitLines(QStringLiteral("a\r\nb\nc\rd")), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines(QStringLiteral("a\r\n\r\nb\r\n")), (QStringList{"a", "", "b"}));
  EXPECT_EQ(SplitLines(QString()), QStringList{});
}

TEST(TextFileTest, WriteUsesCrLfAndWindows1252) {
  TempAppFolder folder;
  FileError error;
  ASSERT_TRUE(WriteLinesAtomically(folder.FilePath("x.txt"), {QStringLiteral("Ø25 – €"), QString()}, &error));
  EXPECT_EQ(folder.Read("x.txt"), QByteArray("\xD8" "25 \x96 \x80\r\n\r\n"));
  QString text;
  ASSERT_TRUE(ReadTextFile(folder.FilePath("x.txt"), &text, &error));
  EXPECT_EQ(SplitLines(text), (QStringList{QStringLiteral("Ø25 – €"), QString()}));
}

TEST(TextFileTest, FailedWriteKeepsTheOldFile) {
  TempAppFolder folder;
  folder.Write("keep.txt", "old contents\r\n");
  FileError error;
  EXPECT_FALSE(WriteTextFileAtomically(folder.FilePath("keep.txt"), QStringLiteral("new ≤ text"), &error));
  EXPECT_TRUE(error.IsError());
  EXPECT_TRUE(error.Description.contains(QStringLiteral("U+2264"))) << error.Description.toStdString();
  EXPECT_EQ(folder.Read("keep.txt"), QByteArray("old contents\r\n"));
}

TEST(ItemReaderTest, QuotedAndPlainItemsEmptyItemsAndLineInput) {
  auto all = [](const QString& text) {
    ItemReader r(text);
    QStringList items;
    QString item;
    while (r.ReadItem(&item)) items << item;
    return items;
  };
  // Quoted commas, empty items and line ends are the time-study reader's tests.
  EXPECT_EQ(all(QStringLiteral("\"a\"junk,b\rc")), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(all(QStringLiteral("\"abc,def")), (QStringList{"abc,def"}));  // an unclosed quote takes the rest
  // Line input after items reads the next whole line.
  ItemReader r(QStringLiteral("\"T01\",1\r\n3,6,0\r\n0\r\n"));
  QString s;
  ASSERT_TRUE(r.ReadItem(&s) && r.ReadItem(&s));
  EXPECT_EQ(s, "1");
  ASSERT_TRUE(r.ReadLine(&s));
  EXPECT_EQ(s, "3,6,0");
  ASSERT_TRUE(r.ReadLine(&s));
  EXPECT_EQ(s, "0");
  EXPECT_FALSE(r.ReadLine(&s) || r.ReadItem(&s));
  EXPECT_EQ(s, "0");
}
