#pragma once
// Helpers shared by the tests: temporary application folders, file bytes,
// and running the command line in-process or as the real executable.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace arvex::test {

// The repository's bundled application folder (data/), with trailing "/".
QString SourceDataFolder();
// tests/fixtures/ + name.
QString FixturePath(const QString& name);

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

}  // namespace arvex::test
