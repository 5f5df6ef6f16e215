#pragma once
// Helpers of the window tests: a workspace on a temporary application
// folder, a scripted prompter, and controls found by their objectName.

#include "platform/scriptedprompter.h"
#include "session/studysession.h"
#include "support/testsupport.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

namespace arvex::test {

// A workspace on a filled temporary application folder, a settings file of
// its own, the scripted prompter and the window table of this build.
struct GuiFixture {
  GuiFixture() {
    Ws.AppFolder = Folder.Path();
    LoadProgramValues(Ws, *Store);
  }
  TempAppFolder Folder{true};
  TempSettings Settings;
  std::unique_ptr<QSettings>& Store = Settings.Store;
  Workspace Ws;
  ScriptedPrompter Prompter;
  RecordingHelpStarter Help;
  AppWindows Windows = BuiltWindows();
  WindowContext Context{Ws, Prompter, *Store, Help, Windows};
};

// The child of `parent` with the objectName; fails the test when absent.
template <class T>
T* Find(QObject* parent, const QString& name) {
  T* child = parent->findChild<T*>(name);
  EXPECT_NE(child, nullptr) << "no " << name.toStdString();
  return child;
}

}  // namespace arvex::test
