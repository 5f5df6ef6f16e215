#include "platform/profilefile.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {
ProfileFile Profile(const char* text) { return ProfileFile::FromText(QString::fromUtf8(text)); }
}  // namespace

TEST(ProfileFileTest, SectionsAndKeysIgnoreCase) {
  const ProfileFile p = Profile("[MainSpindle]\r\nTime1to1=.6\r\n[SubSpindle]\r\nTime1to1=.9\r\n");
  EXPECT_EQ(p.Value("mainspindle", "TIME1TO1"), ".6");
  EXPECT_EQ(p.Value("SUBSPINDLE", "time1to1"), ".9");
  EXPECT_EQ(p.Value("LiveSpindle1", "Time1to1", "0"), "0");
  EXPECT_EQ(p.Value("MainSpindle", "Missing", "B"), "B");
  // An empty value is a value, not the default.
  const ProfileFile empty = Profile("[M]\nTools1=\n");
  EXPECT_EQ(empty.Find("M", "Tools1"), std::optional<QString>(QString()));
  EXPECT_EQ(empty.Value("M", "Tools1", "default"), "");
}

TEST(ProfileFileTest, BlanksAroundNamesAndValuesAndOnePairOfQuotesAreDropped) {
  const ProfileFile p = Profile(
      "  [ Main ]  \n"
      "  Key One  =  some value \t\n"
      "Quoted=\" padded \"\n"
      "Single=' x '\n"
      "Mixed=\"x'\n");
  for (const auto& [key, value] : std::vector<std::pair<const char*, const char*>>{
           {"Key One", "some value"}, {"Quoted", " padded "}, {"Single", " x "}, {"Mixed", "\"x'"}})
    EXPECT_EQ(p.Value("Main", key), value) << key;
}

TEST(ProfileFileTest, CommentsStrayLinesAndDuplicates) {
  const ProfileFile p = Profile(
      "Before=ignored\n"
      "[M]\n"
      "; Speed=1\n"
      "no equals sign here\n"
      "Speed=5 ; rpm x 1000\n"
      "Speed=7\n"
      "Eq=a=b\n"
      "[m]\n"
      "Other=1\n");
  EXPECT_FALSE(p.Find("", "Before").has_value());
  // No comments after a value; the first key and the first section win.
  EXPECT_EQ(p.Value("M", "Speed"), "5 ; rpm x 1000");
  EXPECT_EQ(p.Value("M", "Eq"), "a=b");
  EXPECT_FALSE(p.Find("M", "Other").has_value());
  EXPECT_FALSE(p.Find("M", "; Speed").has_value());
  const QString longValue(600, u'x');
  EXPECT_EQ(ProfileFile::FromText("[M]\r\nK=" + longValue + "\r\n").Value("M", "K"), QString(511, u'x'));
}

TEST(ProfileFileTest, SetValueReplacesInPlaceAndKeepsEveryOtherLine) {
  ProfileFile p = Profile(
      "; machine file\r\n"
      "[MainSpindle]\r\n"
      "Time1to1 = .6\r\n"
      "; the front post\r\n"
      "time2to2=1.1\r\n"
      "\r\n"
      "[SubSpindle]\r\n"
      "Time1to1=.9\r\n");
  p.SetValue("mainspindle", "Time2to2", "1.25");
  p.SetValue("MainSpindle", "Time1to2", "1.4");
  p.SetValue("LiveSpindle1", "Name", "Gang Live");
  EXPECT_EQ(p.Text(),
            "; machine file\r\n"
            "[MainSpindle]\r\n"
            "Time1to1 = .6\r\n"
            "; the front post\r\n"
            "Time2to2=1.25\r\n"
            "Time1to2=1.4\r\n"
            "\r\n"
            "[SubSpindle]\r\n"
            "Time1to1=.9\r\n"
            "[LiveSpindle1]\r\n"
            "Name=Gang Live\r\n");
}

// Values read back as written is the fuzz target's property check.
TEST(ProfileFileTest, BadNamesAreNotWritten) {
  ProfileFile p;
  for (const auto& [section, key] : std::vector<std::pair<const char*, const char*>>{
           {"S", "a=b"}, {"S", "[x"}, {"S", ";c"}, {"S]", "k"}, {"S", ""}, {"S", "line\nbreak"}})
    p.SetValue(section, key, "1");
  EXPECT_EQ(p.Text(), "");
}

TEST(ProfileFileTest, SaveKeepsTheOldFileOnFailureAndLoadReportsAMissingOne) {
  TempAppFolder folder;
  const QString path = folder.FilePath("m.ini");
  folder.Write("m.ini", "[M]\r\nK=old\r\n");
  ProfileFile p;
  FileError error;
  ASSERT_TRUE(p.Load(path, &error));
  p.SetValue("M", "K", "new ≤ value");  // not in Windows-1252
  EXPECT_FALSE(p.Save(path, &error));
  EXPECT_TRUE(error.Description.contains("U+2264"));
  EXPECT_EQ(folder.Read("m.ini"), QByteArray("[M]\r\nK=old\r\n"));
  p.SetValue("M", "K", "new Ø value");
  ASSERT_TRUE(p.Save(path, &error));
  EXPECT_EQ(folder.Read("m.ini"), QByteArray("[M]\r\nK=new \xD8 value\r\n"));
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{"m.ini"});
  EXPECT_FALSE(p.Load(folder.FilePath("none.ini"), &error));
  EXPECT_EQ(error.Number, 53);
}
