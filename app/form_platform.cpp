#include "app/form_platform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace torvel {
namespace {

QString RunFileDialog(QWidget* owner, const TFileDialogSetup& setup, bool save) {
  QFileDialog dialog(owner, setup.title, setup.initialFolder, setup.filter);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(setup.defaultSuffix);
  // The run itself refuses to overwrite, with its own message.
  if (save) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString TQtFormPlatform::ChooseOpenFile(QWidget* owner, const TFileDialogSetup& setup) {
  return RunFileDialog(owner, setup, false);
}

QString TQtFormPlatform::ChooseSaveFile(QWidget* owner, const TFileDialogSetup& setup) {
  return RunFileDialog(owner, setup, true);
}

void TQtFormPlatform::ShowMessage(QWidget* owner, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

void TQtFormPlatform::OpenDocument(const QUrl& url) {
  // A missing document or viewer shows nothing, so the result is not used.
  QDesktopServices::openUrl(url);
}

}  // namespace torvel
