#include "cutting/cutdatawindowform.h"

#include "cutdatatestutil.h"
#include "cutting/operationnamelist.h"
#include "machine/machinedefinition.h"
#include "platform/scriptedprompter.h"
#include "workspace.h"

#include <gtest/gtest.h>

using namespace arvex;
using namespace arvex::test;

namespace {

Operation Op(const char* tool, const char* name, double diameter = 0) {
  return {.ToolNo = tool, .OpName = name, .Diameter = diameter};
}

// What the window did for the form. Auto Set inserts two drills before
// the place it was given, through the change path as the real one does.
struct RecordingHost : CutDataWindowHost {
  explicit RecordingHost(Workspace& ws) : Ws(ws) {}
  void FocusToolCombo() override { Calls << "focus tool"; }
  void ShowAutoSet(int place) override {
    Calls << QStringLiteral("auto set %1").arg(place);
    Ws.Changes.Apply(Ws.Study, {QStringLiteral("Auto Set"), {}}, [&](TimeStudy& st) {
      if (!st.InsertOperations(place, 2)) return false;
      st.Op(kMainSpindle, place) = Op("T02", "Spot Drill");
      st.Op(kMainSpindle, place + 1) = Op("T02", "Drill", 0.201);
      st.RecountOps();
      return true;
    });
  }
  void ShowToolImage() override { Calls << "tool image"; }
  void ShowOperationNames() override { Calls << "names"; }
  Workspace& Ws;
  QStringList Calls;
};

class CutDataWindowFormTest : public testing::Test {
 protected:
  void SetUp() override {
    app_.Write(kCutDataSeedName, SmallSeed());
    app_.Write(kOperationNamesFileName, "OD Turn\r\nOD Groove\r\nSpot Drill\r\nLive Cross Drill\r\nDrill\r\n");
    ws_.AppFolder = app_.Path();
    ws_.MaterialGroupIndex = 1;
    TimeStudy& st = ws_.Study;
    st.Header.MachineName = QStringLiteral("Test");
    st.Header.Material = QStringLiteral("12L14");
    MachineDefinition& m = ws_.Machine;
    m.MainSpindle.MaxSplSpeed = 6000;
    m.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T05"));
    m.MainTools2List = SplitToolString(QStringLiteral("Cross,T11"));
    m.ODHolders[1] = "OD A", m.ODHolders[2] = "OD B", m.ODHolders[4] = "after the gap";
    m.IDHolders[1] = "ID A", m.LiveHolders[1] = "ER16";
    st.Op(kMainSpindle, 1) = Op("T01", "OD Turn", 1);
    st.Op(kMainSpindle, 2) = Op("T05", "");
    st.Op(kMainSpindle, 3) = Op("T11", "Live Cross Drill", 0.125);
    st.Op(kMainSpindle, 4) = Op("T99", "Drill");
    st.Sync(kMainSpindle, 1) = 3;
    st.RecountOps();
    st.Dirty = false;
    ws_.Changes.SetRecorder(&log_);
  }
  void TearDown() override { ws_.Changes.SetRecorder(nullptr); }

  // The window on main operation n, as the main window opens it.
  CutDataWindowForm& Open(int n) {
    ws_.Study.EditMainOp = static_cast<std::int16_t>(n);
    form_.emplace(ws_, prompter_, host_, kMainSpindle);
    form_->Open();
    return *form_;
  }
  const Operation& Main(int n) const { return ws_.Study.Op(kMainSpindle, n); }
  QString Field(int f) const { return form_->Conditions().FieldText(f); }

  TempAppFolder app_;
  Workspace ws_;
  ScriptedPrompter prompter_;
  RecordingHost host_{ws_};
  ChangeLog log_;
  std::optional<CutDataWindowForm> form_;
};

}  // namespace

TEST_F(CutDataWindowFormTest, OpeningShowsTheSpindleAndChangesNothing) {
  const TimeStudy before = ws_.Study;
  CutDataWindowForm& f = Open(3);
  EXPECT_EQ(f.Caption(), "Front Side Cut Data");
  EXPECT_EQ(f.MaterialText(), "12L14");
  ASSERT_EQ(f.Lines().size(), 100);
  EXPECT_EQ(f.Lines()[0], "1)T01-OD Turn");
  EXPECT_EQ(f.Lines()[1], "2)T05-");
  EXPECT_EQ(f.Lines()[6], "7)-)");
  EXPECT_EQ(f.SelectedLine(), 2);
  EXPECT_EQ(f.ToolEntries(),
            (QStringList{"(Gang)", "T01-OD Turn", "T02-", "T05-", "(Cross)", "T11-Live Cross Drill"}));
  EXPECT_EQ(f.SelectedTool(), 5);
  EXPECT_EQ(f.OperationNames()[f.SelectedName()], "Live Cross Drill");
  // Each holder list up to its first empty slot.
  EXPECT_EQ(f.HolderEntries(), (QStringList{"(OD Turning Holders)", "OD A", "OD B", " ", "(ID Holders)", "ID A", " ",
                                            "(Live Holders)", "ER16"}));
  EXPECT_EQ(Operations(f.Grid().Rows()), (QStringList{"Drill", "Spot Drill", "Drill"}));
  EXPECT_EQ(Field(kDiameterField), ".125");
  EXPECT_TRUE(prompter_.Entries().isEmpty()) << prompter_.Texts().join(u'|').toStdString();
  EXPECT_TRUE(log_.Steps.isEmpty());
  EXPECT_FALSE(ws_.Study.Dirty);
  EXPECT_TRUE(ws_.Study.Ops == before.Ops);

  // Moving through the list changes nothing either; the caller's number follows.
  f.SelectLine(0);
  EXPECT_EQ(ws_.Study.EditMainOp, 1);
  f.SelectLine(6);  // an empty slot: no rows, no tool
  EXPECT_EQ(f.GridSource().Text, "select * from cutdat where GrpIndex = -1");
  EXPECT_EQ(f.SelectedTool(), -1);
  EXPECT_FALSE(ws_.Study.Dirty);

  ws_.Study.CurrentSpindle = kSubSpindle;
  form_.emplace(ws_, prompter_, host_, kSubSpindle);
  form_->Open();
  EXPECT_EQ(form_->Caption(), "Back Side Cut Data");
}

TEST_F(CutDataWindowFormTest, WithoutMachineNamesOrDatabaseTheWindowStillWorks) {
  ws_.Study.Header.MachineName.clear();
  QFile::remove(app_.FilePath(kOperationNamesFileName));
  app_.Write(kCutDataFileName, "not a database");
  CutDataWindowForm& f = Open(1);
  const QStringList messages = prompter_.Messages();
  ASSERT_EQ(messages.size(), 4) << messages.join(u'|').toStdString();
  EXPECT_EQ(messages[0], CutDataWindowForm::kNoMachineMessage);
  EXPECT_EQ(messages[1],
            "The file " + app_.Path() + "OPP-DESC.TXT can not be found! There will be no tool descriptions!");
  EXPECT_TRUE(messages[2].startsWith("The file " + app_.Path() + "RVXCutData.db is not a usable cutting-data database"))
      << messages[2].toStdString();
  // The tool of the operation is not in the (empty) tool combo.
  EXPECT_EQ(messages[3], "Tool T01 not found!");
  EXPECT_TRUE(f.ToolEntries().isEmpty());
  // The selected operation's name is offered all the same.
  EXPECT_EQ(f.OperationNames(), QStringList{"OD Turn"});

  ASSERT_TRUE(f.SetFieldText(kCutLengthField, "2"));
  f.FieldKeyUp(kCutLengthField, '2');
  EXPECT_EQ(Main(1).CutLength, 2.0);
  ASSERT_TRUE(f.SetOperationNameText("OD Groove"));
  EXPECT_EQ(Main(1).OpName, "OD Groove");
}

TEST_F(CutDataWindowFormTest, TheNameChoosesTheRowsAndTheHolderHeading) {
  struct Case { const char* Name; const char* Source; const char* Heading; };
  const Case cases[] = {
      {"OD Groove",
       "select * from cutdat where GrpIndex = 1 and (Operation = 'OD Turn Rough' or Operation = 'Face (Turn)')",
       "(OD Turning Holders)"},
      {"Live Cross Drill",
       "select * from cutdat where GrpIndex = 1 and (Operation = 'Drill' or Operation = 'Spot Drill')",
       "(Live Holders)"},
      // A name the list does not hold is typed, shown and kept.
      {"Knurl", "select * from cutdat where GrpIndex = -1", ""},
  };
  CutDataWindowForm& f = Open(7);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ASSERT_TRUE(f.SetOperationNameText(QString::fromLatin1(c.Name)));
    EXPECT_EQ(Main(7).OpName, c.Name);
    EXPECT_EQ(f.Lines()[6], QStringLiteral("7)-") + c.Name);
    EXPECT_EQ(f.GridSource().Text, c.Source);
    f.HolderGotFocus();
    EXPECT_EQ(f.HolderText(), c.Heading);
    // The heading is a hint for the list: leaving it untouched stores nothing.
    f.HolderLostFocus();
    EXPECT_EQ(Main(7).ToolHolder, "");
  }
  // A holder chosen or typed is stored.
  f.HolderGotFocus();
  f.ChooseHolder(8);
  EXPECT_EQ(Main(7).ToolHolder, "ER16");
  ASSERT_TRUE(f.SetHolderText("ER20"));
  f.HolderLostFocus();
  EXPECT_EQ(Main(7).ToolHolder, "ER20");
  EXPECT_FALSE(f.SetHolderText("1/2\" bar"));  // a quote would break the saved study
  EXPECT_EQ(Main(7).ToolHolder, "ER20");
  // Typing in the name combo is one step of the study, as is the holder.
  EXPECT_EQ(log_.Steps.filter("cut:1:7:name").size(), 3);
  EXPECT_EQ(log_.Steps.filter("cut:1:7:holder").size(), 2);

  // An entry of the type list shows exactly its rows.
  f.ChooseOperationType(4);
  EXPECT_EQ(f.Grid().Rows().size(), 1u);
}

TEST_F(CutDataWindowFormTest, ANameOrAToolChosenRelabelsTheToolEntryAndTheLine) {
  CutDataWindowForm& f = Open(2);
  EXPECT_EQ(f.ToolEntries()[3], "T05-");
  f.ChooseOperationName(static_cast<int>(f.OperationNames().indexOf("Spot Drill")));
  EXPECT_EQ(f.ToolEntries()[3], "T05-Spot Drill");
  EXPECT_EQ(f.Lines()[1], "2)T05-Spot Drill");
  EXPECT_EQ(Main(2).OpName, "Spot Drill");
  EXPECT_EQ(f.GridSource().Text, "select * from cutdat where GrpIndex = 1 and (Operation = 'Spot Drill')");

  f.ChooseTool(2);
  EXPECT_EQ(Main(2).ToolNo, "T02");
  EXPECT_EQ(f.ToolEntries()[2], "T02-Spot Drill");
  EXPECT_EQ(f.Lines()[1], "2)T02-Spot Drill");
  EXPECT_TRUE(prompter_.Entries().isEmpty());
  EXPECT_EQ(log_.Steps, (QStringList{"Edit Operation 2|cut:1:2:name", "Edit Operation 2|cut:1:2:tool"}));
  EXPECT_TRUE(ws_.Study.Dirty);
}

TEST_F(CutDataWindowFormTest, ButtonsChangeTheListOnceEachAndKeepTheSelectionRight) {
  CutDataWindowForm& f = Open(2);
  f.AddOperationBefore();
  EXPECT_EQ(f.SelectedLine(), 1);
  EXPECT_EQ(f.Lines()[1], "2)-)");
  EXPECT_EQ(f.Lines()[2], "3)T05-");
  EXPECT_EQ(ws_.Study.Sync(kMainSpindle, 1), 4);  // the sync stays before its operation

  f.DeleteOperation();  // No is the default
  EXPECT_EQ(prompter_.Entries().back().Text, "Are you sure you want to delete this tool? 2)-)");
  EXPECT_EQ(prompter_.Entries().back().Default, Answer::No);
  EXPECT_EQ(f.Lines()[1], "2)-)");
  prompter_.QueueAnswer(Answer::Yes);
  f.ListKeyDown(CutDataWindowForm::kDeleteKey);
  EXPECT_EQ(f.Lines()[1], "2)T05-");
  EXPECT_EQ(f.SelectedLine(), 1);

  f.SelectLine(0);
  f.CopyToMemory();
  f.SelectLine(3);
  f.PasteFromMemory();
  EXPECT_EQ(f.SelectedLine(), 3);
  EXPECT_EQ(f.Lines()[3], "4)T01-OD Turn");
  EXPECT_EQ(Field(kDiameterField), "1");

  f.MoveUp();
  EXPECT_EQ(f.SelectedLine(), 2);
  EXPECT_EQ(f.Lines()[2], "3)T01-OD Turn");
  f.MoveDown();
  EXPECT_EQ(f.SelectedLine(), 3);
  EXPECT_EQ(f.Lines()[3], "4)T01-OD Turn");

  f.ListKeyDown(CutDataWindowForm::kEnterKey);
  EXPECT_EQ(host_.Calls, QStringList{"focus tool"});
  EXPECT_EQ(log_.Steps, (QStringList{"Insert Operation 2", "Delete Operation 2", "Paste Operation 4",
                                     "Move Operation 4 Up", "Move Operation 3 Down"}));
}

TEST_F(CutDataWindowFormTest, AFullListRefusesAnInsertAndKeepsEveryOperation) {
  ws_.Study.Op(kMainSpindle, 100) = Op("T02", "Last");
  ws_.Study.RecountOps();
  CutDataWindowForm& f = Open(1);
  const TimeStudy::OperationList before = ws_.Study.Ops[kMainSpindle];
  f.CopyToMemory();
  f.AddOperationBefore();
  f.PasteFromMemory();
  EXPECT_EQ(prompter_.Messages(), QStringList(2, CutDataWindowForm::kListFullMessage));
  EXPECT_TRUE(ws_.Study.Ops[kMainSpindle] == before);
  EXPECT_FALSE(ws_.Study.Dirty);
}

TEST_F(CutDataWindowFormTest, TheFormReadsAgainWhatChangedUnderIt) {
  CutDataWindowForm& f = Open(3);
  int told = 0;
  f.SetOnChanged([&] { ++told; });

  // Typing is the form's own change: the text stays as typed ("1." is no
  // number the form would write).
  ASSERT_TRUE(f.SetFieldText(kDiameterField, "1."));
  f.FieldKeyUp(kDiameterField, 190);
  EXPECT_EQ(Field(kDiameterField), "1.");
  EXPECT_EQ(told, 0);

  // Auto Set inserts before the selected operation; the line now shows the
  // first inserted operation, and its number is not stale.
  f.AutoSetting();
  EXPECT_EQ(host_.Calls, QStringList{"auto set 3"});
  EXPECT_EQ(f.SelectedLine(), 2);
  EXPECT_EQ(f.Lines()[2], "3)T02-Spot Drill");
  EXPECT_EQ(f.ToolEntries()[2], "T02-Drill");
  EXPECT_EQ(f.OperationNameText(), "Spot Drill");

  // A change from elsewhere (an undo): the operation at the line is shown.
  ws_.Changes.Apply(ws_.Study, {QStringLiteral("Delete Operation 1"), {}}, [](TimeStudy& st) {
    st.CurrentSpindle = kMainSpindle;
    return st.DeleteOperation(1);
  });
  EXPECT_EQ(f.Lines()[2], "3)T02-Drill");
  EXPECT_EQ(Field(kDiameterField), ".201");
  EXPECT_GE(told, 1);
}
