// Saves pictures of the four windows with a result shown, for a look at the
// layout. Runs only when QK_SCREENSHOT_DIR names a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "numerology/ui/UntQQ.h"
#include "numerology/ui/UntWangm.h"
#include "numerology/ui/Unt_sjcs.h"
#include "numerology/ui/Untonteher.h"

namespace {

void Save(QWidget& window, const char* name) {
  const QString dir = qEnvironmentVariable("QK_SCREENSHOT_DIR");
  window.show();
  QTest::qWait(50);
  EXPECT_TRUE(window.grab().save(QDir(dir).filePath(QString::fromUtf8(name))));
}

TEST(NumerologyScreenshots, SaveTheFourWindows) {
  if (qEnvironmentVariableIsEmpty("QK_SCREENSHOT_DIR")) GTEST_SKIP() << "QK_SCREENSHOT_DIR not set";
  TFrmQQhm qq;
  QTest::keyClicks(qq.edtmun, "123456789");
  QTest::keyClick(qq.edtmun, Qt::Key_Return);
  Save(qq, "numerology-qq.png");

  TFrm_onther other;
  QTest::keyClicks(other.edtmun, "20240101");
  QTest::keyClick(other.edtmun, Qt::Key_Return);
  Save(other, "numerology-number.png");

  TFrm_SJcs mobile;
  QTest::keyClicks(mobile.edtPhone, "13912345678");
  QTest::keyClick(mobile.edtPhone, Qt::Key_Return);
  Save(mobile, "numerology-mobile.png");

  TFrmWangming name;
  QTest::keyClicks(name.edtName, "mm");
  QTest::keyClick(name.edtName, Qt::Key_Return);
  Save(name, "numerology-netname.png");
}

}  // namespace
