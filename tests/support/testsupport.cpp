#include "testsupport.h"

#include "cli.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace arvex::test {

QString SourceDataFolder() { return QStringLiteral(ARVEX_SOURCE_DATA_DIR "/"); }

TempAppFolder::TempAppFolder(bool withBundledData) {
  path_ = dir_.path() + u'/';
  if (!withBundledData) return;
  const QDir source(SourceDataFolder());
  QDirIterator it(SourceDataFolder(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString from = it.next();
    const QString to = path_ + source.relativeFilePath(from);
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::copy(from, to);
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
  }
}

void TempAppFolder::Write(const QString& name, const QByteArray& bytes) const { WriteBytes(path_ + name, bytes); }

QByteArray TempAppFolder::Read(const QString& name) const { return ReadBytes(path_ + name); }

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read " << path.toStdString();
    return {};
  }
  return f.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
    ADD_FAILURE() << "cannot write " << path.toStdString();
}

CliResult RunArvex(const QStringList& args) {
  CliResult r;
  QTextStream out(&r.Out);
  QTextStream err(&r.Err);
  r.Status = RunCli(args, out, err);
  out.flush();
  err.flush();
  return r;
}

CliResult RunArvexProcess(const QStringList& args, const QStringList& extraEnv) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  for (const QString& kv : extraEnv) {
    const auto eq = kv.indexOf(u'=');
    env.insert(kv.left(eq), kv.mid(eq + 1));
  }
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(ARVEX_BINARY_PATH), args);
  CliResult r;
  if (!p.waitForFinished(120000)) {
    ADD_FAILURE() << "arvex did not finish";
    p.kill();
    return r;
  }
  r.Status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.Out = QString::fromUtf8(p.readAllStandardOutput());
  r.Err = QString::fromUtf8(p.readAllStandardError());
  return r;
}

}  // namespace arvex::test
