// Renders the main window, as it looks at a first start after a file was
// picked and wrapped, to a PNG for the documentation. Run it under
// QT_QPA_PLATFORM=offscreen; nothing is shown and no settings are kept.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "app/file_names.h"
#include "app/form_platform.h"
#include "app/torvel_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  const QTemporaryDir folder;  // holds no settings file: first-start values
  torvel::TQtFormPlatform platform;
  torvel::TTorvelForm form(platform, folder.path());
  form.UseInputFile("/home/machinist/jobs/nameplate.nc");
  form.Label3->setText("Finished");
  form.Label3->adjustSize();
  form.show();
  QApplication::processEvents();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
