// The one window of the tool. Controls keep their designer names, as
// members and as object names; handlers are named after control and event.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "app/form_platform.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torvel {

struct RunSettings;

class TTorvelForm : public QWidget {
  Q_OBJECT

 public:
  // `appFolder` is the executable's folder, without a trailing "/": the
  // settings file and the help document live there. Creating the window
  // loads the settings.
  TTorvelForm(TFormPlatform& platform, const QString& appFolder, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* OriginalGCodeButton = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* NewGCodeButton = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* Edit4 = nullptr;
  QFrame* Bevel1 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QLabel* Label11 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QLabel* Label9 = nullptr;
  QLineEdit* Edit5 = nullptr;
  QLabel* Label10 = nullptr;
  QLineEdit* Edit6 = nullptr;
  QLabel* Label12 = nullptr;
  QLineEdit* Edit7 = nullptr;
  QPushButton* WrapButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QPushButton* HelpButton = nullptr;

  TFileDialogSetup OpenDialog1;
  TFileDialogSetup SaveDialog1;

  // Settings file and help document, beside the executable.
  QString SettingsPath() const;
  QString HelpPath() const;

  void FormCreate();
  void FormDestroy();
  void OriginalGCodeButtonClick();
  void NewGCodeButtonClick();
  void WrapButtonClick();
  void HelpButtonClick();
  void CloseButtonClick();
  void Edit5Change();

  // What picking `path` with the first Browse button does; also the drop
  // of one file on the window.
  void UseInputFile(const QString& path);

  // The values a conversion run reads from the window.
  RunSettings ReadRunSettings() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  void CreateDialogs();
  void ConnectHandlers();
  void PlaceOnScreen();
  // Runs a handler body; an error escaping it is shown with its own
  // message and the window stays open.
  void Guarded(const std::function<void()>& body);

  TFormPlatform& platform_;
  QString appFolder_;
  bool placed_ = false;
};

}  // namespace torvel
