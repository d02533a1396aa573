// What the main window asks of the desktop: file dialogs, message boxes and
// opening a document. Behind an interface so tests can answer in its place.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace torvel {

// The settings of one file dialog of the window.
struct TFileDialogSetup {
  QString title;
  QString filter;         // Qt form: "Description (*.a *.b);;..."
  QString defaultSuffix;  // without the dot; added to a name typed without one
  QString initialFolder;  // empty: the dialog picks its own
};

class TFormPlatform {
 public:
  virtual ~TFormPlatform() = default;
  // The chosen file's path, or an empty text when the user cancels.
  virtual QString ChooseOpenFile(QWidget* owner, const TFileDialogSetup& setup) = 0;
  // Never asks before an existing file is chosen.
  virtual QString ChooseSaveFile(QWidget* owner, const TFileDialogSetup& setup) = 0;
  // Modal, with the critical (stop) icon and an OK button only.
  virtual void ShowMessage(QWidget* owner, const QString& text, const QString& caption) = 0;
  // Opens the document with the desktop's default application.
  virtual void OpenDocument(const QUrl& url) = 0;
};

// The real desktop: Qt's dialogs, QMessageBox and QDesktopServices.
class TQtFormPlatform : public TFormPlatform {
 public:
  QString ChooseOpenFile(QWidget* owner, const TFileDialogSetup& setup) override;
  QString ChooseSaveFile(QWidget* owner, const TFileDialogSetup& setup) override;
  void ShowMessage(QWidget* owner, const QString& text, const QString& caption) override;
  void OpenDocument(const QUrl& url) override;
};

}  // namespace torvel
