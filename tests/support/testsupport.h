#pragma once
// Helpers shared by the tests: temporary application folders, file bytes,
// and running the command line in-process or as the real executable.

#include "document/studychanges.h"
#include "session/help.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <memory>

// Expected records name only the fields that matter; the others keep their
// defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace arvex::test {

// The repository's bundled application folder (data/), with trailing "/".
QString SourceDataFolder();

// A temporary application folder, empty or filled with the bundled data.
class TempAppFolder {
 public:
  explicit TempAppFolder(bool withBundledData = false);
  // The folder, ending with "/".
  QString Path() const { return path_; }
  QString FilePath(const QString& name) const { return path_ + name; }
  void Write(const QString& name, const QByteArray& bytes) const;
  QByteArray Read(const QString& name) const;

 private:
  QTemporaryDir dir_;
  QString path_;
};

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

struct CliResult {
  int Status = -1;
  QString Out;
  QString Err;
};
// Runs the command line in this process.
CliResult RunArvex(const QStringList& args);
// Runs the built executable (build/arvex) in a child process, offscreen.
CliResult RunArvexProcess(const QStringList& args, const QStringList& extraEnv = {});

// A settings store on a temporary file of its own.
struct TempSettings {
  TempSettings() : Store([this] {
    File.open();
    return std::make_unique<QSettings>(File.fileName(), QSettings::IniFormat);
  }()) {}
  QTemporaryFile File;
  std::unique_ptr<QSettings> Store;
};

// The changes of the study as the undo history sees them: "label|merge key",
// or the label alone for a step of its own.
struct ChangeLog : StudyChangeRecorder {
  void Changed(const TimeStudy&, const StudyChange& change) override {
    Steps << (change.MergeKey.isEmpty() ? change.Label : change.Label + u'|' + change.MergeKey);
  }
  void Replaced(const TimeStudy&) override {}
  void Saved(const TimeStudy&) override {}
  QStringList Steps;
};

// Records the viewers and addresses asked for instead of starting them; a
// program "starts" while StartsPrograms holds.
struct RecordingHelpStarter : HelpStarter {
  bool StartProgram(const QString& program, const QStringList& arguments) override {
    Started << program + u' ' + arguments.join(u' ');
    return StartsPrograms;
  }
  bool OpenUrl(const QUrl& url) override {
    Started << url.toString();
    return true;
  }
  QStringList Started;
  bool StartsPrograms = true;
};

}  // namespace arvex::test
