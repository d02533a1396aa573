// The Wrap button: the conversion run driven through the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "fake_platform.h"
#include "tests/test_support.h"

namespace torvel {
namespace {

using testing::MakeForm;
using testing::TAppFolder;
using testing::TFakePlatform;

// The nine controls a run disables, in the order it disables them.
std::vector<QWidget*> RunControls(TTorvelForm& f) {
  return {f.WrapButton,     f.OriginalGCodeButton,
          f.NewGCodeButton, f.HelpButton,
          f.CloseButton,    f.Edit1,
          f.Edit2,          f.Edit3,
          f.Edit4};
}

// The controls a run leaves enabled.
std::vector<QWidget*> OtherControls(TTorvelForm& f) {
  return {f.Edit5, f.Edit6, f.Edit7, f.ComboBox1, f.ComboBox2};
}

int EnabledCount(const std::vector<QWidget*>& controls) {
  int n = 0;
  for (QWidget* c : controls) n += c->isEnabled() ? 1 : 0;
  return n;
}

class Wrap : public ::testing::Test {
 protected:
  Wrap() {
    // The settings of the complete run: X wrapped onto A, axis at Z 0, work
    // surface at Z 7.5, so 0.1308996938995747 mm per degree.
    form->Edit3->setText("1.0");
    form->Edit4->setText("10");
    form->Edit5->setText("0.0");
    form->Edit6->setText("7.5");
    form->Edit7->setText("0.0");
    form->ComboBox1->setCurrentIndex(0);
    form->ComboBox2->setCurrentIndex(0);
  }

  void UseFiles(const QString& input, const QString& output) {
    form->Edit1->setText(input);
    form->Edit2->setText(output);
  }

  TAppFolder folder;
  TFakePlatform platform;
  std::unique_ptr<TTorvelForm> form = MakeForm(platform, folder.Path());
};

const char kNeedNames[] = "Need two file names\n\nConversion Aborted.";
const char kSameNames[] = "Both file names the same\n\nConversion Aborted.";
const char kNoSegment[] =
    "Please enter a maximum value for\nthe segment length of an arc\n\nConversion Aborted.";
const char kNoAngle[] =
    "Please enter a maximum value for\nthe angle subtended by a segment around an "
    "arc\n\nConversion Aborted.";
const char kSameHeight[] =
    "The nominal work Z is the same height as the axis,\nso the nominal work perimiter is zero.";
const char kNoInput[] = "The input file does not exist.\n\nPlease check";
const char kOutputExists[] =
    "An existing converted file will get overwritten.\n\nPlease delete file or change converted "
    "file name";

TEST_F(Wrap, ValidationStopsTheRunWithItsMessage) {
  folder.Write("in.nc", "G0 X0\n");
  folder.Write("old.nc", "kept");
  const QString in = folder.File("in.nc");
  const QString out = folder.File("out.nc");
  const QString missing = folder.File("missing.nc");
  const QString old = folder.File("old.nc");
  struct TCase {
    const char* name;
    QString edit1, edit2;
    const char* edit3;
    const char* edit4;
    const char* edit5;
    const char* edit6;
    const char* message;
  };
  const TCase cases[] = {
      {"both file boxes empty", "", "", "", "", "5", "5", kNeedNames},
      {"output box empty", in, "", "1.0", "10", "0", "7.5", kNeedNames},
      {"same names apart from case", folder.File("Part.NC"), folder.File("part.nc"), "1.0", "10",
       "0", "7.5", kSameNames},
      {"segment box empty", in, out, "", "10", "0", "7.5", kNoSegment},
      {"angle box empty", in, out, "1.0", "", "0", "7.5", kNoAngle},
      {"5 and 5.0 are the same height", in, out, "1.0", "10", "5", "5.0", kSameHeight},
      {"empty axis box counts as 0", in, out, "1.0", "10", "", "0", kSameHeight},
      {"input missing", missing, out, "1.0", "10", "0", "7.5", kNoInput},
      {"output exists", in, old, "1.0", "10", "0", "7.5", kOutputExists},
      {"input missing and output exists", missing, old, "1.0", "10", "0", "7.5", kNoInput},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    platform.messages.clear();
    UseFiles(c.edit1, c.edit2);
    form->Edit3->setText(c.edit3);
    form->Edit4->setText(c.edit4);
    form->Edit5->setText(c.edit5);
    form->Edit6->setText(c.edit6);
    int enabledDuringMessage = -1;
    platform.whileMessageShown = [&] { enabledDuringMessage = EnabledCount(RunControls(*form)); };
    form->WrapButton->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, c.message);
    EXPECT_EQ(platform.messages[0].caption, "Warning");
    EXPECT_EQ(enabledDuringMessage, 9);  // nothing was disabled
    EXPECT_EQ(form->Label3->text(), "Conversion Aborted");
    EXPECT_EQ(EnabledCount(RunControls(*form)), 9);
    EXPECT_FALSE(folder.Exists("out.nc"));
  }
  EXPECT_EQ(folder.Read("old.nc"), "kept");
}

TEST_F(Wrap, CompleteRunWritesTheOutputAndEndsFinished) {
  folder.Write("in.nc", test::kExampleProgram);
  UseFiles(folder.File("in.nc"), folder.File("in Wrapped.nc"));
  form->WrapButton->click();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form->Label3->text(), "Finished");
  EXPECT_EQ(EnabledCount(RunControls(*form)), 9);
  EXPECT_EQ(folder.Read("in Wrapped.nc"), test::ExampleOutput());
}

TEST_F(Wrap, SurfaceBelowTheAxisOnlyWarns) {
  folder.Write("in.nc", "G0 Z1\n");
  UseFiles(folder.File("in.nc"), folder.File("out.nc"));
  form->Edit5->setText("10");
  form->Edit6->setText("7.5");
  form->WrapButton->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "The nominal work Z is below the axis, so the work is hollowed out and will\nbe "
            "mirrored about the axis. This may be a problem.");
  EXPECT_EQ(platform.messages[0].caption, "Warning");
  EXPECT_EQ(form->Label3->text(), "Finished");
  EXPECT_TRUE(folder.Exists("out.nc"));
}

TEST_F(Wrap, UnlistedMCodeIsReported) {
  folder.Write("in.nc", "G0 X0 Y0 Z5\nM100\nM30\n");
  UseFiles(folder.File("in.nc"), folder.File("out.nc"));
  int runControlsEnabled = -1;
  int otherControlsEnabled = -1;
  QString statusDuringReport;
  platform.whileMessageShown = [&] {
    runControlsEnabled = EnabledCount(RunControls(*form));
    otherControlsEnabled = EnabledCount(OtherControls(*form));
    statusDuringReport = form->Label3->text();
  };
  form->WrapButton->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "The following Error was encountered:\n\tUnknown M Code Encountered.\n");
  EXPECT_EQ(platform.messages[0].caption, "Warning");
  EXPECT_EQ(runControlsEnabled, 0);  // shown while the run still holds the window
  EXPECT_EQ(otherControlsEnabled, 5);
  EXPECT_EQ(statusDuringReport, "Unknown Codes encountered, please check file");
  EXPECT_EQ(form->Label3->text(), "Unknown Codes encountered, please check file");
  EXPECT_EQ(EnabledCount(RunControls(*form)), 9);
  EXPECT_EQ(folder.Read("out.nc"),
            "(G Code Wrapped by the Quennow GCodeTorvel Program.)\r\n"
            "(Wrapping a flat toolpath around a rotary axis - torvel)\r\n"
            "(Max Straight segment length = 1.0000mm)\r\n"
            "(Max arc angle of segment around centre = 10.0000degrees)\r\n"
            "(Note: All dimensions are converted to mm)\r\n"
            "(Total Running Time minimum = 0.00 Seconds. )\r\n"
            "(Original file Axis height Z = 0.0000)\r\n"
            "(Original file Nominal Work height Z = 7.5000)\r\n"
            "(This file Axis height Z = 0.0000)\r\n"
            "(X axis is wrapped...)\r\n"
            "(...onto the A axis)\r\n"
            "G0 X0.0000 Z5.0000 A0.0000\r\n"
            "(M100)\r\n"
            "M30\r\n");
}

TEST_F(Wrap, FailedSaveLeavesTheWindowUsableAndNoFile) {
  folder.Write("in.nc", "G0 X0\n");
  // The output's folder is a plain file, so the save fails (also as root).
  folder.Write("plain.txt", "");
  const QString output = folder.File("plain.txt/out.nc");
  UseFiles(folder.File("in.nc"), output);
  form->WrapButton->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith("Cannot write \"" + output + "\""))
      << platform.messages[0].text.toStdString();
  EXPECT_EQ(platform.messages[0].caption, "G Code Torvel Program");
  EXPECT_EQ(form->Label3->text(), "Saving File");
  EXPECT_EQ(EnabledCount(RunControls(*form)), 9);
  EXPECT_EQ(folder.Entries(), QStringList({"in.nc", "plain.txt"}));
  EXPECT_EQ(folder.Read("plain.txt"), "");
}

TEST_F(Wrap, UnreadableInputLeavesTheWindowUsable) {
  // A folder passes the existence check but cannot be read as a file.
  const QString input = folder.File("jobs");
  ASSERT_TRUE(QDir(folder.Path()).mkdir("jobs"));
  UseFiles(input, folder.File("out.nc"));
  form->WrapButton->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith("Cannot read \"" + input + "\""))
      << platform.messages[0].text.toStdString();
  EXPECT_EQ(form->Label3->text(), "Opening File");
  EXPECT_EQ(EnabledCount(RunControls(*form)), 9);
  EXPECT_FALSE(folder.Exists("out.nc"));
}

// Records the status text each time the status label is really painted.
class TPaintRecorder : public QObject {
 public:
  QStringList painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const QString text = static_cast<QLabel*>(watched)->text();
      if (painted.isEmpty() || painted.back() != text) painted << text;
    }
    return false;
  }
};

TEST_F(Wrap, StatusIsPaintedWhileTheRunHoldsTheWindow) {
  std::string program;
  for (int i = 0; i < 2500; ++i) program += "G1 X" + std::to_string(i % 7) + "\n";
  folder.Write("in.nc", program);
  UseFiles(folder.File("in.nc"), folder.File("out.nc"));
  form->show();
  QCoreApplication::processEvents();
  TPaintRecorder recorder;
  form->Label3->installEventFilter(&recorder);
  form->WrapButton->click();  // no event loop runs until it returns
  form->Label3->removeEventFilter(&recorder);
  // The first repaint, after the controls are disabled, shows the old text.
  EXPECT_EQ(recorder.painted,
            QStringList({"", "Opening File", "Checking the file", "Running through the file",
                         "Line 0 of 2500", "Line 1000 of 2500", "Line 2000 of 2500", "Saving File",
                         "Clearing Memory", "Finished"}));
}

}  // namespace
}  // namespace torvel
