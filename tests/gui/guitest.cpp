#include "guitest.h"

#include "platform/appfolder.h"
#include "session/studysession.h"

namespace arvex::test {

GuiFixture::GuiFixture()
    : Store([this] {
        SettingsFile.open();
        return std::make_unique<QSettings>(SettingsFile.fileName(), QSettings::IniFormat);
      }()),
      Windows(BuiltWindows()) {
  Ws.AppFolder = Folder.Path();
  LoadProgramValues(Ws, *Store);
}

}  // namespace arvex::test
