#include "document/rvxfile.h"
#include "platform/scriptedprompter.h"
#include "session/filedialogs.h"
#include "session/recentfiles.h"
#include "session/startup.h"
#include "session/studysession.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace arvex;

TEST(RecentFilesTest, PromotingMovesAnEntryToTheTopAndAddingKeepsAListedOnesPlace) {
  test::TempSettings s;
  for (const char* p : {"/d/a.rvx", "/d/b.rvx", "/d/c.rvx", "/d/d.rvx"}) AddRecentFile(*s.Store, p);
  EXPECT_EQ(LoadRecentFiles(*s.Store), (QStringList{"/d/d.rvx", "/d/c.rvx", "/d/b.rvx", "/d/a.rvx"}));
  PromoteRecentFile(*s.Store, "/d/a.rvx");  // the fourth entry chosen
  EXPECT_EQ(LoadRecentFiles(*s.Store), (QStringList{"/d/a.rvx", "/d/d.rvx", "/d/c.rvx", "/d/b.rvx"}));
  AddRecentFile(*s.Store, "/D/C.RVX");  // listed already, ignoring case
  EXPECT_EQ(LoadRecentFiles(*s.Store).first(), "/d/a.rvx");
  EXPECT_EQ(s.Store->value("Recent Files/RecentFile2").toString(), "/d/d.rvx");
  for (int i = 0; i < 12; ++i) AddRecentFile(*s.Store, QStringLiteral("/e/%1.rvx").arg(i));
  EXPECT_EQ(LoadRecentFiles(*s.Store).size(), 9);
  EXPECT_EQ(RecentFileCaptions({"/x.rvx", "/y.rvx"}), (QStringList{"&1 /x.rvx", "&2 /y.rvx"}));
}

TEST(FileDialogsTest, SaveAppendsTheExtensionAndAsksBeforeReplacingAnotherFile) {
  QTemporaryDir dir;
  const QString proposal = dir.filePath("a.rvx");
  const QString other = dir.filePath("b.rvx");
  test::WriteBytes(proposal, "x");
  test::WriteBytes(other, "x");
  ScriptedPrompter p;
  p.QueueFile(proposal);  // the proposal itself: no question
  EXPECT_EQ(SaveFileDialog(p, kSaveStudyTitle, proposal), proposal);
  p.QueueFile(dir.filePath("new"));
  EXPECT_EQ(SaveFileDialog(p, kSaveStudyTitle, proposal), dir.filePath("new.rvx"));
  EXPECT_TRUE(p.Texts().isEmpty());

  p.QueueFile(dir.filePath("b"));
  p.QueueAnswer(Answer::No);  // the dialog again
  p.QueueFile(other);
  p.QueueAnswer(Answer::Cancel);
  EXPECT_EQ(SaveFileDialog(p, kSaveStudyTitle, proposal), "");
  EXPECT_EQ(p.Texts(), QStringList(2, "Do you want to replace the existing file '" + other.toUpper() + "' ?"));
  EXPECT_EQ(p.Entries().last().Default, Answer::No);
  p.QueueFile(other);
  p.QueueAnswer(Answer::Yes);
  EXPECT_EQ(SaveFileDialog(p, kSaveStudyTitle, proposal), other);
}

TEST(FileDialogsTest, OpenInsistsOnAnExistingFile) {
  QTemporaryDir dir;
  test::WriteBytes(dir.filePath("there.rvx"), "x");
  ScriptedPrompter p;
  p.QueueFile(dir.filePath("gone"));
  p.QueueFile(dir.filePath("there"));
  EXPECT_EQ(OpenFileDialog(p, kOpenStudyTitle, dir.path()), dir.filePath("there.rvx"));
  EXPECT_EQ(p.Messages(), QStringList{"This file could not be found. '" + dir.filePath("gone.rvx").toUpper() + "'"});
}

TEST(FileDialogsTest, PreviewShowsTheHeaderOfAStudyOnly) {
  QTemporaryDir dir;
  TimeStudy st;
  st.Header.Customer = "Acme";
  st.Header.PartName = "Pin";
  st.Header.PartNo = "P-7";
  st.Header.MachineName = "Swiss 20";
  QByteArray bytes;
  ASSERT_TRUE(SerializeTimeStudy(st, &bytes));
  test::WriteBytes(dir.filePath("s.rvx"), bytes);
  test::WriteBytes(dir.filePath("notes.txt"), "just text\r\n");
  EXPECT_EQ(StudyHeaderPreview(dir.filePath("s.rvx")), "Cust=Acme PartName=Pin PartNo=P-7 Mach=Swiss 20");
  EXPECT_EQ(StudyHeaderPreview(dir.filePath("notes.txt")), "");
  EXPECT_EQ(StudyHeaderPreview(dir.filePath("missing.rvx")), "!Error opening file!");
  EXPECT_TRUE(FileSizeInformation(dir.filePath("notes.txt")).endsWith("  11 bytes"));
}

TEST(StartUpTest, SetupSwitchAnywhereAndAQuotedPathInPieces) {
  const StartUpLine a = ParseStartUpLine({"\"/home/me/my", "part.rvx\"", "/scsetup"});
  EXPECT_TRUE(a.FolderSetup);
  EXPECT_EQ(a.OpenPath, "/home/me/my part.rvx");
  EXPECT_FALSE(ParseStartUpLine({"/projects/a.rvx"}).FolderSetup);
  EXPECT_EQ(ParseStartUpLine({}).OpenPath, "");
}

TEST(StudySessionTest, AFolderGivesTheReadErrorAndKeepsTheStudy) {
  Workspace ws;
  ws.Study.Header.Customer = "Kept";
  QTemporaryDir dir;
  ScriptedPrompter p;
  p.QueueAnswer(Answer::No);
  EXPECT_FALSE(OpenStudy(ws, dir.path(), p).FileRead);
  ASSERT_EQ(p.Entries().size(), 1);
  EXPECT_TRUE(p.Entries()[0].Text.startsWith("Error #")) << p.Entries()[0].Text.toStdString();
  EXPECT_TRUE(p.Entries()[0].Text.endsWith("\r\n Do you want to try again?"));
  EXPECT_EQ(ws.Study.Header.Customer, "Kept");
}

TEST(StudySessionTest, AFailedSaveKeepsTheOldFileAndDirty) {
  QTemporaryDir dir;
  test::TempSettings s;
  Workspace ws;
  ws.Study.Header.SubSpindleUsed = 0;
  ws.Study.Op(kMainSpindle, 1).ToolNo = "T01";
  ws.Study.RecountOps();
  const QString path = dir.filePath("a.rvx");
  test::WriteBytes(path, "old");
  ws.Study.FilePath = path;
  ws.Study.Op(kMainSpindle, 1).OpName = "Quote \" mark";
  ws.Study.Dirty = true;
  ScriptedPrompter p;
  p.QueueFile(path);
  EXPECT_EQ(SaveStudy(ws, p, *s.Store), SaveOutcome::Failed);
  EXPECT_EQ(test::ReadBytes(path), "old");
  EXPECT_TRUE(ws.Study.Dirty);

  ws.Study.Op(kMainSpindle, 1).OpName = "Turn";
  p.QueueFile(path);
  EXPECT_EQ(SaveStudy(ws, p, *s.Store), SaveOutcome::Saved);
  EXPECT_FALSE(ws.Study.Dirty);
  EXPECT_EQ(LoadRecentFiles(*s.Store), QStringList{path});

  p.QueueFile(std::nullopt);  // a cancelled dialog forgets the path, writes nothing
  EXPECT_EQ(SaveStudy(ws, p, *s.Store), SaveOutcome::Cancelled);
  EXPECT_EQ(ws.Study.FilePath, "");
}

TEST(HelpTest, TheViewerOfHelpPathOrTheBrowserOpensTheTopic) {
  test::TempAppFolder folder(true);
  test::TempSettings s;
  ScriptedPrompter p;
  test::RecordingHelpStarter starter;
  starter.StartsPrograms = false;
  EXPECT_TRUE(ShowHelp(folder.Path(), *s.Store, kCutDataHelpTopic, starter, p));
  EXPECT_EQ(starter.Started, QStringList{QUrl::fromLocalFile(folder.Path() + "Arvex.htm").toString() + "#CutDat"});
  s.Store->setValue("Arvex/HelpPath", "/opt/viewer");
  EXPECT_FALSE(ShowHelp(folder.Path(), *s.Store, {}, starter, p));
  EXPECT_EQ(starter.Started.last(), "/opt/viewer " + QUrl::fromLocalFile(folder.Path() + "Arvex.htm").toString());
  EXPECT_EQ(p.Messages(), QStringList{"The file - /opt/viewer - could not be found! Add your browser path to the "
                                      "Arvex registry settings - HelpPath="});
}

TEST(StudySessionTest, AStudyIsReadAsFarAsItGoesAndRecommendsForItsOwnMaterial) {
  test::TempAppFolder folder(true);
  test::TempSettings s;
  Workspace ws;
  ws.AppFolder = folder.Path();
  LoadProgramValues(ws, *s.Store);
  const QByteArray whole = test::ReadBytes(folder.Path() + "samples/01-inch-sub-spindle.rvx");
  const QString path = folder.FilePath("cut.rvx");
  test::WriteBytes(path, whole.left(whole.size() / 2));
  ScriptedPrompter p;
  ASSERT_TRUE(OpenStudy(ws, path, p).FileRead);
  EXPECT_EQ(p.Messages(), QStringList{"The file " + path +
                                      " ends before the whole time study: the study holds what could be read and "
                                      "the rest is blank. Please check it before you save it."});
  EXPECT_EQ(GroupName(ws.Materials, ws.MaterialGroupIndex), "300 Series Stainless");
  EXPECT_GT(ws.Study.MainOpCount, 0);
  EXPECT_EQ(ws.Study.Sync(kMainSpindle, 1), 0);

  QByteArray other = test::ReadBytes(folder.Path() + "samples/03-main-spindle-only.rvx");
  other.replace("12L14 - Free-Machining Steel", "Unobtainium");
  test::WriteBytes(folder.FilePath("other.rvx"), other);
  ASSERT_TRUE(OpenStudy(ws, folder.FilePath("other.rvx"), p).FileRead);
  EXPECT_EQ(ws.MaterialGroupIndex, 0);
}
