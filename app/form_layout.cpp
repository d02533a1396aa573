// The controls of the main window at their design positions (left, top,
// width, height in pixels), with their captions and tab order.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

#include "app/app_title.h"
#include "app/form_font.h"
#include "app/torvel_form.h"

namespace torvel {
namespace {

// Linux controllers and CAM programs also write *.ngc and *.gcode.
constexpr const char* kGCodeFilter =
    "G Code Files (*.nc *.tap *.ncc *.ngc *.gcode);;Text Files (*.txt);;All Files (*)";

template <typename T>
T* Place(QWidget* form, const char* name, int left, int top, int width, int height) {
  T* control = new T(form);
  control->setObjectName(name);
  control->setGeometry(left, top, width, height);
  return control;
}

QLabel* MakeLabel(QWidget* form, const char* name, int left, int top, int width, int height,
                  const char* caption) {
  QLabel* label = Place<QLabel>(form, name, left, top, width, height);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setText(caption);
  return label;
}

// Two-line captions beside the limit boxes.
QLabel* MakeWrappedLabel(QWidget* form, const char* name, int left, int top, int width, int height,
                         const char* caption) {
  QLabel* label = MakeLabel(form, name, left, top, width, height, caption);
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QLineEdit* MakeEdit(QWidget* form, const char* name, int left, int top, int width, int height,
                    const char* text) {
  QLineEdit* edit = Place<QLineEdit>(form, name, left, top, width, height);
  edit->setText(text);
  // A file dropped on a box goes to the window, which takes it as input.
  edit->setAcceptDrops(false);
  return edit;
}

QPushButton* MakeButton(QWidget* form, const char* name, int left, int top, int width, int height,
                        const char* caption) {
  QPushButton* button = Place<QPushButton>(form, name, left, top, width, height);
  button->setText(caption);
  return button;
}

// Selection only: the user picks an item and cannot type.
QComboBox* MakeList(QWidget* form, const char* name, int left, int top, int width, int height,
                    const QStringList& items) {
  QComboBox* list = Place<QComboBox>(form, name, left, top, width, height);
  list->setEditable(false);
  list->addItems(items);
  return list;
}

}  // namespace

void TTorvelForm::CreateControls() {
  Label1 = MakeLabel(this, "Label1", 13, 8, 93, 13, "Original G Code File");
  Edit1 = MakeEdit(this, "Edit1", 13, 28, 348, 21, "");
  OriginalGCodeButton = MakeButton(this, "OriginalGCodeButton", 381, 28, 65, 20, "Browse");
  Label2 = MakeLabel(this, "Label2", 13, 54, 80, 13, "New G Code File");
  Edit2 = MakeEdit(this, "Edit2", 13, 73, 348, 21, "");
  NewGCodeButton = MakeButton(this, "NewGCodeButton", 381, 73, 65, 20, "Browse");
  // The status line; it grows with its text.
  Label3 = MakeLabel(this, "Label3", 8, 96, 3, 13, "");
  Label6 = MakeLabel(
      this, "Label6", 8, 116, 412, 13,
      "Arc to Straight Line conversion (because arcs must be simulated with straight segments)");
  Label4 = MakeWrappedLabel(this, "Label4", 16, 135, 97, 26, "Max Segment Length (mm)");
  Edit3 = MakeEdit(this, "Edit3", 120, 139, 121, 21, "0.1");
  Edit3->setToolTip("Maximum length of a segment simulating an arc");
  Label5 = MakeWrappedLabel(this, "Label5", 255, 135, 69, 26, "Max Arc Angle (Degrees)");
  Edit4 = MakeEdit(this, "Edit4", 328, 139, 121, 21, "1");
  Edit4->setToolTip("Maximum angle subtended by a segment around the arc centre (degrees)");
  Bevel1 = Place<QFrame>(this, "Bevel1", 8, 172, 441, 1);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Label7 = MakeLabel(this, "Label7", 8, 179, 101, 13, "Wrapping Information");
  Label8 = MakeLabel(this, "Label8", 8, 204, 90, 13, "Axis to be wrapped");
  ComboBox1 = MakeList(this, "ComboBox1", 112, 200, 105, 21, {"X", "Y"});
  Label11 = MakeLabel(this, "Label11", 248, 204, 84, 13, "Rotary Axis Name");
  ComboBox2 = MakeList(this, "ComboBox2", 344, 200, 105, 21, {"A"});
  Label9 = MakeLabel(this, "Label9", 8, 236, 249, 13,
                     "Z value of Wrapped Axis Centreline in Input File (mm)");
  Edit5 = MakeEdit(this, "Edit5", 272, 232, 121, 21, "");
  Label10 = MakeLabel(this, "Label10", 8, 268, 234, 13,
                      "Z Value of nominal work surface in Input File (mm)");
  Edit6 = MakeEdit(this, "Edit6", 272, 264, 121, 21, "");
  Label12 = MakeLabel(this, "Label12", 8, 300, 257, 13,
                      "Z value of Wrapped Axis Centreline in Output File (mm)");
  Edit7 = MakeEdit(this, "Edit7", 272, 296, 121, 21, "");
  WrapButton = MakeButton(this, "WrapButton", 8, 336, 75, 25, "Wrap");
  CloseButton = MakeButton(this, "CloseButton", 112, 336, 75, 25, "Close");
  HelpButton = MakeButton(this, "HelpButton", 376, 336, 75, 25, "Help");

  const QFont font = FittedWindowFont(
      {Label1, Label2, Label6, Label4, Label5, Label7, Label8, Label11, Label9, Label10, Label12});
  setFont(font);
  QFont underlined = font;
  underlined.setUnderline(true);
  Label6->setFont(underlined);
  Label7->setFont(underlined);

  QWidget* const tabOrder[] = {
      Edit1,      OriginalGCodeButton, NewGCodeButton, Edit2, Edit3, Edit4,     WrapButton,
      HelpButton, CloseButton,         ComboBox1,      Edit5, Edit6, ComboBox2, Edit7};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
    setTabOrder(tabOrder[i - 1], tabOrder[i]);
  }
  Edit1->setFocus();
}

void TTorvelForm::CreateDialogs() {
  OpenDialog1 = {"G Code File to Wrap", kGCodeFilter, "nc", ""};
  // Deliberately "dxf": a name typed without an extension gets ".dxf".
  SaveDialog1 = {"G Code Output Filename", kGCodeFilter, "dxf", ""};
}

}  // namespace torvel
