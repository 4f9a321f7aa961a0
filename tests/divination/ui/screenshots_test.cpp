// Pictures of the three windows for the documentation. Runs only when
// QK_SCREENSHOT_DIR names the folder to write them to.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "divination/fixed_random.h"
#include "divination/ui/Jinqiangua.h"
#include "divination/ui/UntOnther.h"
#include "divination/ui/Untabt.h"

namespace {

QString Target(const char* name) {
  return QDir(qEnvironmentVariable("QK_SCREENSHOT_DIR")).filePath(QString::fromUtf8(name));
}

TEST(Screenshots, DivinationWindows) {
  if (qEnvironmentVariableIsEmpty("QK_SCREENSHOT_DIR")) GTEST_SKIP() << "QK_SCREENSHOT_DIR is not set";

  qk::test::ScopedDraws draws({1, 0, 0, 1, 1, 0});
  TFrmQigua coins;
  coins.show();
  QTest::mouseClick(coins.RzRadioButton1, Qt::LeftButton);
  for (int k = 1; k <= 6; ++k) QTest::mouseClick(coins.ThrowButton(k), Qt::LeftButton);
  QTest::mouseClick(coins.RzBitBtn1, Qt::LeftButton);
  EXPECT_TRUE(coins.grab().save(Target("divination-qigua.png")));

  TFormOnther* omen = qk::divination::ui::OpenOmenWindow(6);
  ASSERT_NE(omen, nullptr);
  EXPECT_TRUE(omen->grab().save(Target("divination-omen.png")));
  omen->close();

  TFrm_NanNv gender;
  gender.show();
  EXPECT_TRUE(gender.grab().save(Target("divination-gender.png")));
}

}  // namespace
