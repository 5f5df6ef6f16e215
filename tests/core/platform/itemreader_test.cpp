#include "platform/itemreader.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace arvex;

namespace {
QStringList AllItems(const QString& text) {
  ItemReader r(text);
  QStringList items;
  QString item;
  while (r.ReadItem(&item)) items << item;
  return items;
}
}  // namespace

TEST(ItemReaderTest, QuotedAndPlainItemsAcrossLines) {
  EXPECT_EQ(AllItems(QStringLiteral("\"RVX-v119\",\"Gang, back\",1,-1\r\n 2.5 , .5\r\n\"\"\r\n")),
            (QStringList{"RVX-v119", "Gang, back", "1", "-1", "2.5", ".5", ""}));
}

TEST(ItemReaderTest, EmptyItemsBetweenCommasAndLoneLineFeeds) {
  EXPECT_EQ(AllItems(QStringLiteral("1,,3\n4")), (QStringList{"1", "", "3", "4"}));
  EXPECT_EQ(AllItems(QStringLiteral("\"a\"junk,b\rc")), (QStringList{"a", "b", "c"}));
}

TEST(ItemReaderTest, UnclosedQuoteTakesTheRest) {
  EXPECT_EQ(AllItems(QStringLiteral("\"abc,def")), (QStringList{"abc,def"}));
}

TEST(ItemReaderTest, LineInputAfterItemsReadsTheNextWholeLine) {
  ItemReader r(QStringLiteral("\"T01\",1\r\n3,6,0\r\n0\r\n"));
  QString s;
  ASSERT_TRUE(r.ReadItem(&s));
  ASSERT_TRUE(r.ReadItem(&s));
  EXPECT_EQ(s, "1");
  ASSERT_TRUE(r.ReadLine(&s));
  EXPECT_EQ(s, "3,6,0");
  ASSERT_TRUE(r.ReadLine(&s));
  EXPECT_EQ(s, "0");
  EXPECT_FALSE(r.ReadLine(&s));
  EXPECT_FALSE(r.ReadItem(&s));
  EXPECT_EQ(s, "0");
}
