#include "app/torvel_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <exception>

#include "app/app_title.h"
#include "app/file_names.h"
#include "app/qt_run_host.h"
#include "conversion/run.h"
#include "settings/window_settings.h"

namespace torvel {

TTorvelForm::TTorvelForm(TFormPlatform& platform, const QString& appFolder, QWidget* parent)
    : QWidget(parent), platform_(platform), appFolder_(appFolder) {
  setObjectName("TorvelForm");
  setWindowTitle(kWindowCaption);
  CreateControls();
  CreateDialogs();
  ConnectHandlers();
  setAcceptDrops(true);
  PlaceOnScreen();
  FormCreate();
}

void TTorvelForm::ConnectHandlers() {
  connect(OriginalGCodeButton, &QPushButton::clicked, this, &TTorvelForm::OriginalGCodeButtonClick);
  connect(NewGCodeButton, &QPushButton::clicked, this, &TTorvelForm::NewGCodeButtonClick);
  connect(WrapButton, &QPushButton::clicked, this, &TTorvelForm::WrapButtonClick);
  connect(HelpButton, &QPushButton::clicked, this, &TTorvelForm::HelpButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &TTorvelForm::CloseButtonClick);
  // Every change, typed or set by the program, so Edit7 follows Edit5.
  connect(Edit5, &QLineEdit::textChanged, this, &TTorvelForm::Edit5Change);
}

QString TTorvelForm::SettingsPath() const { return appFolder_ + "/" + kSettingsFileName; }

QString TTorvelForm::HelpPath() const { return appFolder_ + "/" + kHelpFileName; }

void TTorvelForm::Guarded(const std::function<void()>& body) {
  // Qt's event loop must never see an exception.
  try {
    body();
  } catch (const std::exception& e) {
    platform_.ShowMessage(this, QString::fromLocal8Bit(e.what()), kApplicationTitle);
  } catch (...) {
    platform_.ShowMessage(this, "An unexpected error occurred.", kApplicationTitle);
  }
}

void TTorvelForm::UseInputFile(const QString& path) {
  Edit1->setText(path);
  OpenDialog1.initialFolder = FolderPart(Edit1->text());
  Edit2->setText(WrappedFileName(Edit1->text()));
  SaveDialog1.initialFolder = FolderPart(Edit1->text());
}

void TTorvelForm::OriginalGCodeButtonClick() {
  Guarded([this] {
    const QString path = platform_.ChooseOpenFile(this, OpenDialog1);
    if (!path.isEmpty()) UseInputFile(path);
  });
}

void TTorvelForm::NewGCodeButtonClick() {
  Guarded([this] {
    const QString path = platform_.ChooseSaveFile(this, SaveDialog1);
    if (path.isEmpty()) return;
    Edit2->setText(path);
    SaveDialog1.initialFolder = FolderPart(Edit2->text());
  });
}

RunSettings TTorvelForm::ReadRunSettings() const {
  RunSettings s;
  s.inputFile = QFile::encodeName(Edit1->text()).toStdString();
  s.outputFile = QFile::encodeName(Edit2->text()).toStdString();
  s.maxSegment = Edit3->text().toStdString();
  s.maxAngle = Edit4->text().toStdString();
  s.axisZ = Edit5->text().toStdString();
  s.surfaceZ = Edit6->text().toStdString();
  s.outputAxisZ = Edit7->text().toStdString();
  s.wrappedAxisIndex = ComboBox1->currentIndex();
  s.rotaryAxisIndex = ComboBox2->currentIndex();
  return s;
}

void TTorvelForm::WrapButtonClick() {
  Guarded([this] {
    TQtRunHost host(*this, platform_);
    WrapRun(ReadRunSettings(), host);
  });
}

void TTorvelForm::HelpButtonClick() {
  Guarded([this] { platform_.OpenDocument(QUrl::fromLocalFile(HelpPath())); });
}

void TTorvelForm::CloseButtonClick() { close(); }

void TTorvelForm::Edit5Change() { Edit7->setText(Edit5->text()); }

void TTorvelForm::closeEvent(QCloseEvent* event) {
  Guarded([this] { FormDestroy(); });
  event->accept();
}

}  // namespace torvel
