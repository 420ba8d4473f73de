#include "services/access/tcRemotePassword.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "app/core/tcCrc32.h"
#include "app/core/tcOptions.h"
#include "link/devices/tcDeviceList.h"
#include "params/GLOBALS.h"
#include "services/access/tcPswdEntryDlg.h"
#include "support/tcLogCapture.h"
#include "support/tcModalScript.h"

namespace {

class RemotePassword : public ::testing::Test {
 protected:
  void SetUp() override {
    devices.add("Studio", "10.0.0.5");
    devices.set_current(0);
    globals.set_int(tcRemotePassword::kRemotePwId, tcCrc32::of_text("old"), kSourceSilent);
  }
  // Fills the change dialog and presses OK.
  static tcModalScript::Step enter(const char* current, const char* fresh, bool remember) {
    return [=](QDialog* d) {
      auto* dlg = qobject_cast<tcPswdEntryDlg*>(d);
      dlg->password_field()->setText(current);
      dlg->new_field()->setText(fresh);
      dlg->verify_field()->setText(fresh);
      dlg->remember_box()->setChecked(remember);
      dlg->accept();
    };
  }

  QTemporaryDir dir;
  tcOptions options{dir.filePath("qx770xpro.ini")};
  tcDeviceList devices{dir.path()};
  GLOBALS globals;
};

}  // namespace

TEST_F(RemotePassword, AWrongCurrentPasswordKeepsTheDialogOpenAndChangesNothing) {
  tcModalScript script;
  script.then(enter("wrong", "new", true)).box(QMessageBox::Ok).then([](QDialog* d) {
    d->reject();
  });
  script.run();
  EXPECT_FALSE(tcRemotePassword::run_change(nullptr, options, globals, devices));
  EXPECT_EQ(script.log, std::vector<QString>{"Incorrect Password|Incorrect current password.\n"});
  EXPECT_EQ(globals.int_value(tcRemotePassword::kRemotePwId), tcCrc32::of_text("old"));
  EXPECT_EQ(devices.current()->rcrc(), 0u);
}

TEST_F(RemotePassword, TheNewCodeGoesToTheProcessorAndIsRememberedWhenAsked) {
  tcModalScript script;
  script.then(enter("old", "new", true)).run();
  EXPECT_TRUE(tcRemotePassword::run_change(nullptr, options, globals, devices));
  EXPECT_EQ(globals.int_value(tcRemotePassword::kRemotePwId), tcCrc32::of_text("new"));
  EXPECT_EQ(tcDeviceList(dir.path()).load("Studio"), 1);
  EXPECT_EQ(devices.current()->rcrc(), tcCrc32::of_text("new"));

  tcModalScript quiet;
  quiet.then(enter("new", "newer", false)).run();
  EXPECT_TRUE(tcRemotePassword::run_change(nullptr, options, globals, devices));
  EXPECT_EQ(devices.current()->rcrc(), tcCrc32::of_text("new"));
}

TEST_F(RemotePassword, OnlyTheCodeIsKeptNoFileOrLogLineHoldsThePassword) {
  const tcLogCapture log;
  tcModalScript script;
  script.then(enter("old", "Kestrel-93", true)).run();
  ASSERT_TRUE(tcRemotePassword::run_change(nullptr, options, globals, devices));
  ASSERT_EQ(options.flush(), 0);

  int files = 0;
  QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_FALSE(file.readAll().contains("Kestrel-93")) << file.fileName().toStdString();
    ++files;
  }
  EXPECT_GE(files, 1);  // the device's file, which keeps the code
  for (const tcLogCapture::Line& line : tcLogCapture::lines())
    EXPECT_EQ(line.text.find("Kestrel-93"), std::string::npos) << line.text;
}
