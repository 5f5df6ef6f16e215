#include "cutting/sqlscript.h"

#include <gtest/gtest.h>

using namespace arvex;

TEST(SqlScriptTest, SplitsAtSemicolonsOutsideQuotesAndComments) {
  const QString script = QStringLiteral(
      "-- heading; with a semicolon\n"
      "CREATE TABLE t (a TEXT); /* block; comment */\n"
      "INSERT INTO t VALUES ('one; two');\n"
      "INSERT INTO t VALUES ('it''s; fine');\n"
      "INSERT INTO \"odd;name\" VALUES (1);;\n"
      "  \n"
      "SELECT 1");
  EXPECT_EQ(SplitSqlStatements(script),
            (QStringList{"CREATE TABLE t (a TEXT)", "INSERT INTO t VALUES ('one; two')",
                         "INSERT INTO t VALUES ('it''s; fine')", "INSERT INTO \"odd;name\" VALUES (1)", "SELECT 1"}));
}

TEST(SqlScriptTest, TriggerBodyStaysWholeUpToItsEnd) {
  const QString script = QStringLiteral(
      "CREATE TRIGGER keep BEFORE DELETE ON g\n"
      "BEGIN\n"
      "  SELECT CASE WHEN 1 THEN RAISE(ABORT, 'no; never') END;\n"
      "  UPDATE g SET n = n;\n"
      "END;\n"
      "create temp trigger t2 after insert on g begin select 1; end;\n"
      "INSERT INTO g VALUES (1);");
  const QStringList statements = SplitSqlStatements(script);
  ASSERT_EQ(statements.size(), 3);
  EXPECT_TRUE(statements[0].startsWith(QStringLiteral("CREATE TRIGGER keep")));
  EXPECT_TRUE(statements[0].endsWith(QStringLiteral("UPDATE g SET n = n;\nEND")));
  EXPECT_EQ(statements[1], QStringLiteral("create temp trigger t2 after insert on g begin select 1; end"));
  EXPECT_EQ(statements[2], QStringLiteral("INSERT INTO g VALUES (1)"));
}

TEST(SqlScriptTest, UnclosedQuoteOrCommentEndsTheScriptWithoutLoss) {
  EXPECT_EQ(SplitSqlStatements(QStringLiteral("SELECT 1; SELECT 'open; text")),
            (QStringList{"SELECT 1", "SELECT 'open; text"}));
  EXPECT_EQ(SplitSqlStatements(QStringLiteral("SELECT 2; /* never closed; ")), QStringList{"SELECT 2"});
  EXPECT_TRUE(SplitSqlStatements(QString()).isEmpty());
}
