#include "fake_platform.h"

#include <gtest/gtest.h>

namespace torvel::testing {

QString TFakePlatform::ChooseOpenFile(QWidget*, const TFileDialogSetup& setup) {
  openRequests.push_back(setup);
  return openAnswer;
}

QString TFakePlatform::ChooseSaveFile(QWidget*, const TFileDialogSetup& setup) {
  saveRequests.push_back(setup);
  return saveAnswer;
}

void TFakePlatform::ShowMessage(QWidget*, const QString& text, const QString& caption) {
  messages.push_back({text, caption});
  if (whileMessageShown) whileMessageShown();
}

void TFakePlatform::OpenDocument(const QUrl& url) { openedDocuments.push_back(url); }

TAppFolder::TAppFolder() { EXPECT_TRUE(dir_.isValid()); }

void TAppFolder::Write(const QString& name, const std::string& bytes) const {
  WriteBytes(File(name), bytes);
}

std::string TAppFolder::Read(const QString& name) const { return ReadBytes(File(name)); }

QStringList TAppFolder::Entries() const {
  return QDir(dir_.path())
      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

std::unique_ptr<TTorvelForm> MakeForm(TFakePlatform& platform, const QString& appFolder) {
  return std::make_unique<TTorvelForm>(platform, appFolder);
}

std::string ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

}  // namespace torvel::testing
