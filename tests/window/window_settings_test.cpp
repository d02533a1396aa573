// The window's values in "Data.ini" beside the executable: loaded when the
// window is created, stored when it closes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "fake_platform.h"

namespace torvel {
namespace {

using testing::MakeForm;
using testing::TAppFolder;
using testing::TFakePlatform;

class WindowSettings : public ::testing::Test {
 protected:
  TAppFolder folder;
  TFakePlatform platform;
};

TEST_F(WindowSettings, FirstStartShowsTheDefaultsAndWritesAllKeys) {
  auto form = MakeForm(platform, folder.Path());
  EXPECT_EQ(form->Edit3->text(), "1.0");
  EXPECT_EQ(form->Edit4->text(), "10");
  EXPECT_EQ(form->Edit5->text(), "0.0");
  EXPECT_EQ(form->Edit6->text(), "7.5");
  EXPECT_EQ(form->Edit7->text(), "0.0");
  EXPECT_EQ(form->ComboBox1->currentText(), "Y");
  EXPECT_EQ(form->ComboBox2->currentText(), "A");
  EXPECT_EQ(form->OpenDialog1.initialFolder, folder.Path());
  EXPECT_FALSE(folder.Exists("Data.ini"));

  form->close();
  EXPECT_EQ(folder.Read("Data.ini"),
            "[GCodeTorvel]\n"
            "MaxSegmentLength=1.0\n"
            "MaxAngle=10\n"
            "ZAxisCentre=0.0\n"
            "WorkSurface=7.5\n"
            "AAxisCentreZ=0.0\n"
            "InitialDir=" +
                folder.Path().toStdString() +
                "\n"
                "Axis=1\n"
                "RotaryAxis=0\n");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(WindowSettings, StoredOutputAxisZWinsOverTheCopyOfEdit5) {
  folder.Write("Data.ini", "[GCodeTorvel]\nZAxisCentre=5\nAAxisCentreZ=2\n");
  auto form = MakeForm(platform, folder.Path());
  EXPECT_EQ(form->Edit5->text(), "5");
  EXPECT_EQ(form->Edit7->text(), "2");
}

TEST_F(WindowSettings, ValuesComeBackAsTheyWereLeft) {
  {
    auto form = MakeForm(platform, folder.Path());
    form->Edit3->setText("0.25");
    form->Edit4->clear();
    form->Edit5->setText("-20");
    form->Edit6->setText("abc");
    form->Edit7->setText(" 3 ");
    form->ComboBox1->setCurrentIndex(0);
    platform.openAnswer = "/jobs/lid.nc";
    form->OriginalGCodeButton->click();
    form->close();
  }
  EXPECT_EQ(folder.Read("Data.ini"),
            "[GCodeTorvel]\nMaxSegmentLength=0.25\nMaxAngle=\nZAxisCentre=-20\n"
            "WorkSurface=abc\nAAxisCentreZ= 3 \nInitialDir=/jobs/\nAxis=0\nRotaryAxis=0\n");

  auto form = MakeForm(platform, folder.Path());
  EXPECT_EQ(form->Edit3->text(), "0.25");
  EXPECT_EQ(form->Edit4->text(), "");
  EXPECT_EQ(form->Edit5->text(), "-20");
  EXPECT_EQ(form->Edit6->text(), "abc");
  EXPECT_EQ(form->Edit7->text(), " 3 ");
  EXPECT_EQ(form->ComboBox1->currentText(), "X");
  EXPECT_EQ(form->OpenDialog1.initialFolder, "/jobs/");

  // The empty angle box stops the next run at its check.
  folder.Write("in.nc", "G0 X0\n");
  form->Edit1->setText(folder.File("in.nc"));
  form->Edit2->setText(folder.File("out.nc"));
  form->WrapButton->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Please enter a maximum value for\nthe angle subtended by a segment around an "
            "arc\n\nConversion Aborted.");
}

TEST_F(WindowSettings, AnIndexWithoutItemLeavesNoSelection) {
  folder.Write("Data.ini", "[GCodeTorvel]\nAxis=5\nRotaryAxis=3\n");
  {
    auto form = MakeForm(platform, folder.Path());
    EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(form->ComboBox2->currentIndex(), -1);
    form->close();
  }
  const std::string stored = folder.Read("Data.ini");
  EXPECT_NE(stored.find("\nAxis=-1\n"), std::string::npos) << stored;
  EXPECT_NE(stored.find("\nRotaryAxis=-1\n"), std::string::npos) << stored;
  auto form = MakeForm(platform, folder.Path());
  EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
  EXPECT_EQ(form->ComboBox2->currentIndex(), -1);
}

TEST_F(WindowSettings, IntegersThatAreNotWholeNumbersGiveTheDefaults) {
  folder.Write("Data.ini", "[GCodeTorvel]\nAxis=0.5\nRotaryAxis=A\n");
  auto form = MakeForm(platform, folder.Path());
  EXPECT_EQ(form->ComboBox1->currentIndex(), 1);
  EXPECT_EQ(form->ComboBox2->currentIndex(), 0);
}

TEST_F(WindowSettings, AFailedWriteIsShownAtClose) {
  // The executable's "folder" is a plain file, so Data.ini cannot be made.
  folder.Write("plain.txt", "not a folder");
  const QString appFolder = folder.File("plain.txt");
  auto form = MakeForm(platform, appFolder);
  EXPECT_EQ(form->Edit3->text(), "1.0");
  form->show();
  form->close();
  EXPECT_FALSE(form->isVisible());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Unable to write to " + appFolder + "/Data.ini");
  EXPECT_EQ(platform.messages[0].caption, "G Code Torvel Program");
  EXPECT_EQ(folder.Read("plain.txt"), "not a folder");
}

TEST_F(WindowSettings, HandWrittenFileIsReadExactlyAndKept) {
  const std::string handWritten =
      "; written by hand\r\n"
      "[Other]\r\n"
      "Key=Value;with semicolon\r\n"
      "\r\n"
      "[gcodetorvel]\r\n"
      "maxsegmentlength=0.05\r\n"
      "InitialDir=C:\\Tools\r\n"
      "Axis=0\r\n";
  folder.Write("Data.ini", handWritten);
  auto form = MakeForm(platform, folder.Path());
  EXPECT_EQ(form->Edit3->text(), "0.05");
  EXPECT_EQ(form->Edit4->text(), "10");
  EXPECT_EQ(form->OpenDialog1.initialFolder, "C:\\Tools");
  EXPECT_EQ(form->ComboBox1->currentText(), "X");

  form->close();
  EXPECT_EQ(folder.Read("Data.ini"),
            "; written by hand\r\n"
            "[Other]\r\n"
            "Key=Value;with semicolon\r\n"
            "\r\n"
            "[gcodetorvel]\r\n"
            "MaxSegmentLength=0.05\r\n"
            "InitialDir=C:\\Tools\r\n"
            "Axis=0\r\n"
            "MaxAngle=10\r\n"
            "ZAxisCentre=0.0\r\n"
            "WorkSurface=7.5\r\n"
            "AAxisCentreZ=0.0\r\n"
            "RotaryAxis=0\r\n");
}

}  // namespace
}  // namespace torvel
