// The Browse, Help and Close buttons, Edit5Change and dropping a file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <cstring>

#include "fake_platform.h"

namespace torvel {
namespace {

using testing::MakeForm;
using testing::TAppFolder;
using testing::TFakePlatform;

const char* const kFilter =
    "G Code Files (*.nc *.tap *.ncc *.ngc *.gcode);;Text Files (*.txt);;All Files (*)";

class Browse : public ::testing::Test {
 protected:
  TAppFolder folder;
  TFakePlatform platform;
  std::unique_ptr<TTorvelForm> form = MakeForm(platform, folder.Path());
};

struct TPickCase {
  const char* name;
  const char* picked;
  const char* output;  // Edit2 afterwards
  const char* folder;  // where both dialogs open next
};

const TPickCase kPicks[] = {
    {"extension replaced", "/cnc/job.tap", "/cnc/job Wrapped.nc", "/cnc/"},
    {"no extension: appended", "/jobs/part", "/jobs/part Wrapped.nc", "/jobs/"},
    {"dot in the folder is no extension", "/jobs.old/job", "/jobs.old/job Wrapped.nc",
     "/jobs.old/"},
    {"only the last extension", "/a/part.v2.ngc", "/a/part.v2 Wrapped.nc", "/a/"},
    {"blanks kept", "/my jobs/lid top.nc", "/my jobs/lid top Wrapped.nc", "/my jobs/"},
};

TEST_F(Browse, PickingAnInputFileNamesTheOutput) {
  for (const TPickCase& c : kPicks) {
    SCOPED_TRACE(c.name);
    form->Edit2->setText("/earlier/text.nc");
    platform.openAnswer = c.picked;
    form->OriginalGCodeButton->click();
    EXPECT_EQ(form->Edit1->text(), c.picked);
    EXPECT_EQ(form->Edit2->text(), c.output);
    EXPECT_EQ(form->OpenDialog1.initialFolder, c.folder);
    EXPECT_EQ(form->SaveDialog1.initialFolder, c.folder);
  }
}

TEST_F(Browse, OpenDialogAsDesigned) {
  platform.openAnswer = "/cnc/job.tap";
  form->OriginalGCodeButton->click();
  form->OriginalGCodeButton->click();
  ASSERT_EQ(platform.openRequests.size(), 2u);
  const TFileDialogSetup& first = platform.openRequests[0];
  EXPECT_EQ(first.title, "G Code File to Wrap");
  EXPECT_EQ(first.filter, kFilter);
  EXPECT_EQ(first.defaultSuffix, "nc");
  EXPECT_EQ(first.initialFolder, folder.Path());  // first start: the executable's folder
  EXPECT_EQ(platform.openRequests[1].initialFolder, "/cnc/");
}

TEST_F(Browse, PickingAnOutputFile) {
  platform.openAnswer = "/cnc/job.tap";
  form->OriginalGCodeButton->click();
  platform.saveAnswer = "/out/new.nc";
  form->NewGCodeButton->click();
  form->NewGCodeButton->click();
  ASSERT_EQ(platform.saveRequests.size(), 2u);
  const TFileDialogSetup& first = platform.saveRequests[0];
  EXPECT_EQ(first.title, "G Code Output Filename");
  EXPECT_EQ(first.filter, kFilter);
  EXPECT_EQ(first.defaultSuffix, "dxf");
  EXPECT_EQ(first.initialFolder, "/cnc/");
  EXPECT_EQ(platform.saveRequests[1].initialFolder, "/out/");
  EXPECT_EQ(form->Edit1->text(), "/cnc/job.tap");
  EXPECT_EQ(form->Edit2->text(), "/out/new.nc");
  EXPECT_EQ(form->OpenDialog1.initialFolder, "/cnc/");
}

TEST_F(Browse, CancellingChangesNothing) {
  form->Edit1->setText("/in/a.nc");
  form->Edit2->setText("/out/b.nc");
  form->OpenDialog1.initialFolder = "/in/";
  form->SaveDialog1.initialFolder = "/out/";
  platform.openAnswer.clear();
  platform.saveAnswer.clear();
  form->OriginalGCodeButton->click();
  form->NewGCodeButton->click();
  EXPECT_EQ(platform.openRequests.size(), 1u);
  EXPECT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_EQ(form->Edit1->text(), "/in/a.nc");
  EXPECT_EQ(form->Edit2->text(), "/out/b.nc");
  EXPECT_EQ(form->OpenDialog1.initialFolder, "/in/");
  EXPECT_EQ(form->SaveDialog1.initialFolder, "/out/");
}

TEST_F(Browse, Edit7FollowsEdit5AtEveryKeystroke) {
  form->Edit5->clear();
  form->Edit5->setFocus();
  const char* const typed[] = {"1", "12", "12.", "12.5"};
  for (const char* text : typed) {
    SCOPED_TRACE(text);
    QTest::keyClick(form->Edit5, text[std::strlen(text) - 1]);
    EXPECT_EQ(form->Edit5->text(), text);
    EXPECT_EQ(form->Edit7->text(), text);
  }
  QTest::keyClick(form->Edit5, Qt::Key_Backspace);
  EXPECT_EQ(form->Edit7->text(), "12.");
  // Not the other way round.
  form->Edit7->setText("3");
  EXPECT_EQ(form->Edit5->text(), "12.");
}

TEST_F(Browse, HelpOpensTheDocumentBesideTheExecutable) {
  form->HelpButton->click();
  ASSERT_EQ(platform.openedDocuments.size(), 1u);
  EXPECT_EQ(platform.openedDocuments[0],
            QUrl::fromLocalFile(folder.Path() + "/G Code Torvel Help.pdf"));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Browse, CloseEndsTheWindowAndStoresTheSettings) {
  form->show();
  form->CloseButton->click();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(folder.Exists("Data.ini"));
  EXPECT_TRUE(platform.messages.empty());
}

// Sends a drop of `urls` on the window; true when the window took it.
bool Drop(TTorvelForm& form, const QList<QUrl>& urls) {
  QMimeData mime;
  mime.setUrls(urls);
  QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &drop);
  return drop.isAccepted();
}

TEST_F(Browse, DroppingOneFileIsLikePickingIt) {
  folder.Write("part.nc", "G0 X0\n");
  EXPECT_TRUE(Drop(*form, {QUrl::fromLocalFile(folder.File("part.nc"))}));
  EXPECT_EQ(form->Edit1->text(), folder.File("part.nc"));
  EXPECT_EQ(form->Edit2->text(), folder.File("part Wrapped.nc"));
  EXPECT_EQ(form->OpenDialog1.initialFolder, folder.Path() + "/");
  EXPECT_EQ(form->SaveDialog1.initialFolder, folder.Path() + "/");
}

TEST_F(Browse, DropsThatAreNotOneFileAreRefused) {
  folder.Write("a.nc", "");
  folder.Write("b.nc", "");
  struct TCase {
    const char* name;
    QList<QUrl> urls;
  };
  const TCase cases[] = {
      {"two files",
       {QUrl::fromLocalFile(folder.File("a.nc")), QUrl::fromLocalFile(folder.File("b.nc"))}},
      {"a folder", {QUrl::fromLocalFile(folder.Path())}},
      {"not a local file", {QUrl("https://example.com/a.nc")}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(Drop(*form, c.urls));
    EXPECT_EQ(form->Edit1->text(), "");
    EXPECT_EQ(form->Edit2->text(), "");
  }
}

}  // namespace
}  // namespace torvel
