#include "platform/textfile.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QFile>

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

TEST(Windows1252Test, CharactersOutsideTheCodePageAreNamed) {
  QByteArray bytes;
  QString bad;
  EXPECT_FALSE(EncodeWindows1252(QStringLiteral("Ø 10 ≤ 12 ≤ 14 Ω"), &bytes, &bad));
  EXPECT_EQ(bad, QStringLiteral("≤Ω"));
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

TEST(TextFileTest, OpenErrorsUseTheClassicNumbers) {
  TempAppFolder folder;
  QString text;
  FileError error;
  EXPECT_FALSE(ReadTextFile(folder.FilePath("missing.rvx"), &text, &error));
  EXPECT_EQ(error.Number, 53);
  EXPECT_EQ(error.Description, "File not found");
  EXPECT_EQ(error.HelpContext, 1000053);
  EXPECT_FALSE(ReadTextFile(folder.FilePath("no/such/dir/x.rvx"), &text, &error));
  EXPECT_EQ(error.Number, 76);
  EXPECT_FALSE(WriteTextFileAtomically(folder.FilePath("no/such/dir/x.rvx"), QStringLiteral("x"), &error));
  EXPECT_EQ(error.Number, 76);
}

#include "platform/scriptedprompter.h"
#include "platform/textinput.h"

TEST(TextInputTest, DoubleQuoteIsRefusedWithTheMessage) {
  ScriptedPrompter prompter;
  EXPECT_FALSE(RefuseDoubleQuote(QChar(u'a'), prompter));
  EXPECT_TRUE(prompter.Texts().isEmpty());
  EXPECT_TRUE(RefuseDoubleQuote(QChar(u'"'), prompter));
  EXPECT_EQ(prompter.Messages(),
            QStringList{"You can not use \" in your description because of the way I save the data file."});
  EXPECT_TRUE(RefuseDoubleQuote(QStringLiteral("12\" bar"), prompter));
  EXPECT_FALSE(RefuseDoubleQuote(QStringLiteral("12in bar"), prompter));
}
