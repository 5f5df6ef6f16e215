#include "studyfiledialog.h"

#include "accessibility.h"
#include "session/filedialogs.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace arvex {

QStringList NameFiltersOf(const QString& filter) {
  QStringList filters;
  if (!filter.isEmpty()) {
    const QString patterns = filter.split(u';', Qt::SkipEmptyParts).join(u' ');
    const QString kind = filter == kStudyFilePattern ? QStringLiteral("Time studies") : QStringLiteral("Files");
    filters << kind + QStringLiteral(" (") + patterns + u')';
  }
  filters << QStringLiteral("All files (*)");
  return filters;
}

StudyFileDialog::StudyFileDialog(QWidget* parent, const FileRequest& request) : QFileDialog(parent, request.Title) {
  setObjectName(QStringLiteral("FileOpen"));
  setOption(QFileDialog::DontUseNativeDialog, true);
  // The caller asks before a file is replaced, with its own words.
  setOption(QFileDialog::DontConfirmOverwrite, true);
  setAcceptMode(request.ForSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (request.Folder) {
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly, true);
  } else {
    // Any name: a name that does not exist is the caller's message.
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(NameFiltersOf(request.Filter));
  }
  if (!request.Proposal.isEmpty()) {
    const QFileInfo proposal(request.Proposal);
    if (proposal.isDir() || request.Proposal.endsWith(u'/')) {
      setDirectory(request.Proposal);
    } else {
      setDirectory(proposal.absolutePath());
      if (request.ForSaving || request.Folder) selectFile(proposal.fileName());
    }
  }
  if (!request.StudyPreview) return;
  auto* grid = qobject_cast<QGridLayout*>(layout());
  if (!grid) return;
  auto* infoLabel = new QLabel(QStringLiteral("File Size/Information:"), this);
  fileInfo_ = new QLabel(this);
  fileInfo_->setObjectName(QStringLiteral("TD"));
  auto* headerLabel = new QLabel(QStringLiteral("TS File Information:"), this);
  header_ = new QLabel(this);
  header_->setObjectName(QStringLiteral("FLine"));
  header_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NameAfterLabel(fileInfo_, infoLabel);
  NameAfterLabel(header_, headerLabel);
  const int row = grid->rowCount();
  grid->addWidget(infoLabel, row, 0);
  grid->addWidget(fileInfo_, row, 1, 1, grid->columnCount() - 1);
  grid->addWidget(headerLabel, row + 1, 0);
  grid->addWidget(header_, row + 1, 1, 1, grid->columnCount() - 1);
  connect(this, &QFileDialog::currentChanged, this, &StudyFileDialog::ShowPreview);
}

void StudyFileDialog::ShowPreview(const QString& path) {
  if (!fileInfo_) return;
  if (!QFileInfo(path).isFile()) {
    fileInfo_->clear();
    header_->clear();
    return;
  }
  fileInfo_->setText(FileSizeInformation(path));
  header_->setText(StudyHeaderPreview(path));
}

std::optional<QString> StudyFileDialog::Choose(QWidget* parent, const FileRequest& request) {
  StudyFileDialog dialog(parent, request);
  dialog.resize(820, 520);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.front();
}

}  // namespace arvex
