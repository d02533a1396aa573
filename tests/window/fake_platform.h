// Answers the window's dialogs in place of a user and records the message
// boxes and documents it asked for.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/form_platform.h"
#include "app/torvel_form.h"

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace torvel::testing {

struct TShownMessage {
  QString text;
  QString caption;
};

class TFakePlatform : public TFormPlatform {
 public:
  QString ChooseOpenFile(QWidget* owner, const TFileDialogSetup& setup) override;
  QString ChooseSaveFile(QWidget* owner, const TFileDialogSetup& setup) override;
  void ShowMessage(QWidget* owner, const QString& text, const QString& caption) override;
  void OpenDocument(const QUrl& url) override;

  QString openAnswer;  // empty: the user cancels
  QString saveAnswer;
  std::vector<TFileDialogSetup> openRequests;
  std::vector<TFileDialogSetup> saveRequests;
  std::vector<TShownMessage> messages;
  std::vector<QUrl> openedDocuments;
  // Runs while a message box is up, that is inside the handler.
  std::function<void()> whileMessageShown;
};

// A temporary folder that stands for the executable's folder.
class TAppFolder {
 public:
  TAppFolder();
  QString Path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }
  void Write(const QString& name, const std::string& bytes) const;
  std::string Read(const QString& name) const;
  bool Exists(const QString& name) const { return QFile::exists(File(name)); }
  QStringList Entries() const;

 private:
  QTemporaryDir dir_;
};

// A window as the application creates it, with the fake desktop.
std::unique_ptr<TTorvelForm> MakeForm(TFakePlatform& platform, const QString& appFolder);

std::string ReadBytes(const QString& path);
void WriteBytes(const QString& path, const std::string& bytes);

}  // namespace torvel::testing
