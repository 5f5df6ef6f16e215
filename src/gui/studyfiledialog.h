#pragma once
// The file dialog of the program: Qt's own dialog (the same on every
// desktop) in open or save mode, with the time study's header preview and
// the file's size and date under the list when a study is chosen. It asks
// nothing itself: replacing a file, a file that cannot be found and the
// default extension are the caller's rules (session/filedialogs.h).

#include "platform/prompter.h"

#include <QFileDialog>

#include <optional>

class QLabel;

namespace arvex {

class StudyFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  StudyFileDialog(QWidget* parent, const FileRequest& request);

  // Shows the dialog for the request; nullopt when cancelled.
  static std::optional<QString> Choose(QWidget* parent, const FileRequest& request);

 private:
  void ShowPreview(const QString& path);

  QLabel* fileInfo_ = nullptr;  // TD
  QLabel* header_ = nullptr;    // FLine
};

// "*.bmp;*.jpg;*.gif" -> "Files (*.bmp *.jpg *.gif)" plus "All files (*)".
QStringList NameFiltersOf(const QString& filter);

}  // namespace arvex
