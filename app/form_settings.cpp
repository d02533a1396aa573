// Loading the window's values from the settings file when the window is
// created, and storing them back when it closes.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

#include "app/torvel_form.h"
#include "settings/window_settings.h"

namespace torvel {

void TTorvelForm::FormCreate() {
  const TWindowSettings s =
      LoadWindowSettings(QFile::encodeName(SettingsPath()).toStdString(), appFolder_.toStdString());
  Edit3->setText(QString::fromStdString(s.maxSegmentLength));
  Edit4->setText(QString::fromStdString(s.maxAngle));
  // Edit5Change copies this into Edit7; the stored Edit7 value then wins.
  Edit5->setText(QString::fromStdString(s.zAxisCentre));
  Edit6->setText(QString::fromStdString(s.workSurface));
  Edit7->setText(QString::fromStdString(s.aAxisCentreZ));
  OpenDialog1.initialFolder = QString::fromStdString(s.initialDir);
  // An index with no such item leaves the list without a selection.
  ComboBox1->setCurrentIndex(s.axis);
  ComboBox2->setCurrentIndex(s.rotaryAxis);
}

void TTorvelForm::FormDestroy() {
  TWindowSettings s;
  s.maxSegmentLength = Edit3->text().toStdString();
  s.maxAngle = Edit4->text().toStdString();
  s.zAxisCentre = Edit5->text().toStdString();
  s.workSurface = Edit6->text().toStdString();
  s.aAxisCentreZ = Edit7->text().toStdString();
  s.initialDir = OpenDialog1.initialFolder.toStdString();
  s.axis = ComboBox1->currentIndex();
  s.rotaryAxis = ComboBox2->currentIndex();
  StoreWindowSettings(QFile::encodeName(SettingsPath()).toStdString(), s);
}

}  // namespace torvel
