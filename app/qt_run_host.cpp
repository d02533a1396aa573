#include "app/qt_run_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/torvel_form.h"

namespace torvel {

void TQtRunHost::ShowWarning(const std::string& text) {
  platform_.ShowMessage(&form_, QString::fromStdString(text), "Warning");
}

void TQtRunHost::SetStatus(const std::string& text) {
  form_.Label3->setText(QString::fromStdString(text));
  form_.Label3->adjustSize();
}

// The run does not return to the event loop, so a repaint must happen now.
void TQtRunHost::Repaint(TRepaint what) {
  if (what == TRepaint::rpStatusLabel) {
    form_.Label3->repaint();
  } else {
    form_.repaint();
  }
}

void TQtRunHost::SetControlsEnabled(bool enabled) {
  QWidget* const controls[] = {form_.WrapButton,     form_.OriginalGCodeButton,
                               form_.NewGCodeButton, form_.HelpButton,
                               form_.CloseButton,    form_.Edit1,
                               form_.Edit2,          form_.Edit3,
                               form_.Edit4};
  for (QWidget* control : controls) control->setEnabled(enabled);
}

void TQtRunHost::ShowErrorReport(const std::string& report) {
  platform_.ShowMessage(&form_, QString::fromStdString(report), "Warning");
}

}  // namespace torvel
