#include "session/filedialogs.h"

#include "platform/itemreader.h"
#include "platform/prompter.h"
#include "platform/textfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace arvex {

namespace {

bool IsPattern(const QString& name) { return name.contains(u'*') || name.contains(u'?'); }

// The first line of a file, read no further than needed.
bool ReadFirstLine(const QString& path, QString* line) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes = file.readLine(64 * 1024);
  *line = DecodeWindows1252(bytes);
  return true;
}

}  // namespace

QString WithDefaultExt(const QString& name, const QString& ext) {
  const QString fileName = QFileInfo(name).fileName();
  if (fileName.isEmpty() || fileName.contains(u'.') || IsPattern(fileName)) return name;
  return name + ext;
}

QString OpenFileDialog(Prompter& prompter, const QString& title, const QString& startFolder) {
  FileRequest request{title, kStudyFilePattern, false, startFolder, true};
  for (;;) {
    const std::optional<QString> chosen = prompter.ChooseFile(request);
    if (!chosen || chosen->isEmpty()) return {};
    const QString path = WithDefaultExt(*chosen);
    if (QFileInfo(path).isFile()) return path;
    prompter.ShowMessage(QStringLiteral("This file could not be found. '") + path.toUpper() + u'\'', kProgramTitle,
                         MessageIcon::Information);
    request.Proposal = QFileInfo(path).absolutePath();
  }
}

QString SaveFileDialog(Prompter& prompter, const QString& title, const QString& proposal) {
  return SaveFileDialog(prompter, FileRequest{title, kStudyFilePattern, true, proposal, true}, kDefaultExt);
}

QString SaveFileDialog(Prompter& prompter, FileRequest request, const QString& ext) {
  request.ForSaving = true;
  const QString proposal = request.Proposal;
  for (;;) {
    const std::optional<QString> chosen = prompter.ChooseFile(request);
    if (!chosen || chosen->isEmpty()) return {};
    const QString path = WithDefaultExt(*chosen, ext);
    if (path == proposal || !QFileInfo::exists(path)) return path;
    if (QFileInfo(path).isDir()) {
      prompter.ShowMessage(QStringLiteral("'") + path + QStringLiteral("' is a folder, not a file."), kProgramTitle,
                           MessageIcon::Exclamation);
      request.Proposal = path;
      continue;
    }
    const Answer answer =
        prompter.Ask(QStringLiteral("Do you want to replace the existing file '") + path.toUpper() + QStringLiteral("' ?"),
                     kProgramTitle, Buttons::YesNoCancel, Answer::No, MessageIcon::Question);
    if (answer == Answer::Yes) return path;
    if (answer == Answer::Cancel) return {};
    request.Proposal = path;
  }
}

QString StudyHeaderPreview(const QString& path) {
  const QFileInfo info(path);
  const QString suffix = info.suffix();
  if (suffix == QStringLiteral("exe") || suffix == QStringLiteral("com")) return {};
  if (!info.isFile()) return QStringLiteral("!Error opening file!");
  if (info.size() == 0) return {};
  QString line;
  if (!ReadFirstLine(path, &line)) return QStringLiteral("!Error opening file!");
  // Version text, MachineName, four integers, Customer, Engineer, PartName,
  // PartNo.
  ItemReader reader(line);
  QString items[10];
  for (QString& item : items)
    if (!reader.ReadItem(&item)) break;
  if (!items[0].contains(QStringLiteral("RVX"))) return {};
  return QStringLiteral("Cust=") + items[6] + QStringLiteral(" PartName=") + items[8] + QStringLiteral(" PartNo=") +
         items[9] + QStringLiteral(" Mach=") + items[1];
}

QString FileSizeInformation(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return {};
  return info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QStringLiteral("  ") +
         QString::number(info.size()) + QStringLiteral(" bytes");
}

}  // namespace arvex
