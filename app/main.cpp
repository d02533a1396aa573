// Start-up of the window tool: one window, "TorvelForm", until it closes.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/app_title.h"
#include "app/form_platform.h"
#include "app/torvel_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(torvel::kApplicationTitle);
  try {
    torvel::TQtFormPlatform platform;
    torvel::TTorvelForm TorvelForm(platform, QApplication::applicationDirPath());
    TorvelForm.show();
    return QApplication::exec();
  } catch (const std::exception& e) {
    // A failed start-up is reported, not signalled through the exit code.
    QMessageBox::critical(nullptr, torvel::kApplicationTitle, QString::fromLocal8Bit(e.what()));
  }
  return 0;
}
