// The window as laid out at design time: every control by its designer
// name, at its position, with its caption, tab order and state.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "fake_platform.h"

namespace torvel {
namespace {

using testing::MakeForm;
using testing::TAppFolder;
using testing::TFakePlatform;

enum class TKind { label, edit, button, list, bevel };

struct TControlRow {
  const char* name;
  TKind kind;
  QRect geometry;  // left, top, width, height
  const char* caption;
};

// Captions of labels and buttons; edit boxes as they stand before the
// settings are loaded are not visible, so only the file boxes are checked.
const TControlRow kControls[] = {
    {"Label1", TKind::label, {13, 8, 93, 13}, "Original G Code File"},
    {"Edit1", TKind::edit, {13, 28, 348, 21}, ""},
    {"OriginalGCodeButton", TKind::button, {381, 28, 65, 20}, "Browse"},
    {"Label2", TKind::label, {13, 54, 80, 13}, "New G Code File"},
    {"Edit2", TKind::edit, {13, 73, 348, 21}, ""},
    {"NewGCodeButton", TKind::button, {381, 73, 65, 20}, "Browse"},
    {"Label3", TKind::label, {8, 96, 3, 13}, ""},
    {"Label6",
     TKind::label,
     {8, 116, 412, 13},
     "Arc to Straight Line conversion (because arcs must be simulated with straight segments)"},
    {"Label4", TKind::label, {16, 135, 97, 26}, "Max Segment Length (mm)"},
    {"Edit3", TKind::edit, {120, 139, 121, 21}, nullptr},
    {"Label5", TKind::label, {255, 135, 69, 26}, "Max Arc Angle (Degrees)"},
    {"Edit4", TKind::edit, {328, 139, 121, 21}, nullptr},
    {"Bevel1", TKind::bevel, {8, 172, 441, 1}, nullptr},
    {"Label7", TKind::label, {8, 179, 101, 13}, "Wrapping Information"},
    {"Label8", TKind::label, {8, 204, 90, 13}, "Axis to be wrapped"},
    {"ComboBox1", TKind::list, {112, 200, 105, 21}, nullptr},
    {"Label11", TKind::label, {248, 204, 84, 13}, "Rotary Axis Name"},
    {"ComboBox2", TKind::list, {344, 200, 105, 21}, nullptr},
    {"Label9",
     TKind::label,
     {8, 236, 249, 13},
     "Z value of Wrapped Axis Centreline in Input File (mm)"},
    {"Edit5", TKind::edit, {272, 232, 121, 21}, nullptr},
    {"Label10",
     TKind::label,
     {8, 268, 234, 13},
     "Z Value of nominal work surface in Input File (mm)"},
    {"Edit6", TKind::edit, {272, 264, 121, 21}, nullptr},
    {"Label12",
     TKind::label,
     {8, 300, 257, 13},
     "Z value of Wrapped Axis Centreline in Output File (mm)"},
    {"Edit7", TKind::edit, {272, 296, 121, 21}, nullptr},
    {"WrapButton", TKind::button, {8, 336, 75, 25}, "Wrap"},
    {"CloseButton", TKind::button, {112, 336, 75, 25}, "Close"},
    {"HelpButton", TKind::button, {376, 336, 75, 25}, "Help"},
};

QString Caption(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
  if (auto* button = qobject_cast<QPushButton*>(w)) return button->text();
  return {};
}

bool IsKind(QWidget* w, TKind kind) {
  switch (kind) {
    case TKind::label:
      return qobject_cast<QLabel*>(w) != nullptr;
    case TKind::edit:
      return qobject_cast<QLineEdit*>(w) != nullptr;
    case TKind::button:
      return qobject_cast<QPushButton*>(w) != nullptr;
    case TKind::list:
      return qobject_cast<QComboBox*>(w) != nullptr;
    case TKind::bevel:
      return qobject_cast<QFrame*>(w) != nullptr && !qobject_cast<QLabel*>(w);
  }
  return false;
}

class ControlTable : public ::testing::Test {
 protected:
  TAppFolder folder;
  TFakePlatform platform;
  std::unique_ptr<TTorvelForm> form = MakeForm(platform, folder.Path());
};

TEST_F(ControlTable, EveryControlAtItsPlaceWithItsCaption) {
  for (const TControlRow& row : kControls) {
    SCOPED_TRACE(row.name);
    auto* control = form->findChild<QWidget*>(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(IsKind(control, row.kind));
    EXPECT_EQ(control->geometry(), row.geometry);
    if (row.caption) {
      EXPECT_EQ(Caption(control), row.caption);
    }
    EXPECT_TRUE(control->isEnabled());
  }
  EXPECT_EQ(form->children().size(), std::size(kControls));
}

TEST_F(ControlTable, WindowCaptionSizeAndPlace) {
  EXPECT_EQ(form->objectName(), "TorvelForm");
  EXPECT_EQ(form->windowTitle(), "GCode Torvel Program");
  // The offscreen platform draws no frame, so the outer size is the inner.
  EXPECT_EQ(form->size(), QSize(480, 416));
  const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((form->frameGeometry().center() - centre).manhattanLength(), 2);
}

TEST_F(ControlTable, TabOrder) {
  const QStringList expected = {"Edit1",          "OriginalGCodeButton",
                                "NewGCodeButton", "Edit2",
                                "Edit3",          "Edit4",
                                "WrapButton",     "HelpButton",
                                "CloseButton",    "ComboBox1",
                                "Edit5",          "Edit6",
                                "ComboBox2",      "Edit7"};
  QStringList order;
  QWidget* w = form->findChild<QWidget*>("Edit1");
  do {
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != form->findChild<QWidget*>("Edit1") && order.size() < 40);
  EXPECT_EQ(order, expected);
}

TEST_F(ControlTable, ListsOfferOnlyTheirItems) {
  struct TListRow {
    const char* name;
    QStringList items;
  };
  const TListRow rows[] = {{"ComboBox1", {"X", "Y"}}, {"ComboBox2", {"A"}}};
  for (const TListRow& row : rows) {
    SCOPED_TRACE(row.name);
    auto* list = form->findChild<QComboBox*>(row.name);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    EXPECT_EQ(items, row.items);
  }
}

TEST_F(ControlTable, HintsUnderliningWrappingAndBevel) {
  EXPECT_EQ(form->Edit3->toolTip(), "Maximum length of a segment simulating an arc");
  EXPECT_EQ(form->Edit4->toolTip(),
            "Maximum angle subtended by a segment around the arc centre (degrees)");
  EXPECT_TRUE(form->Label6->font().underline());
  EXPECT_TRUE(form->Label7->font().underline());
  EXPECT_FALSE(form->Label1->font().underline());
  for (QLabel* label : {form->Label4, form->Label5}) {
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
  }
  EXPECT_EQ(form->Bevel1->frameShape(), QFrame::HLine);
}

TEST_F(ControlTable, CaptionsFitTheirLabels) {
  // The fallback font must not clip a caption at its fixed width.
  for (const TControlRow& row : kControls) {
    if (row.kind != TKind::label || std::string(row.name) == "Label3") continue;
    SCOPED_TRACE(row.name);
    auto* label = form->findChild<QLabel*>(row.name);
    const QFontMetrics metrics(label->font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                             label->wordWrap() ? int(Qt::TextWordWrap) : 0, label->text());
    EXPECT_LE(needed.width(), label->width());
    EXPECT_LE(needed.height(), label->height());
  }
}

TEST_F(ControlTable, StatusLabelSizesItselfToItsText) {
  form->WrapButtonClick();  // both file boxes empty: aborted at once
  EXPECT_EQ(form->Label3->text(), "Conversion Aborted");
  EXPECT_EQ(form->Label3->pos(), QPoint(8, 96));
  EXPECT_GE(form->Label3->width(),
            QFontMetrics(form->Label3->font()).horizontalAdvance("Conversion Aborted"));
}

}  // namespace
}  // namespace torvel
