#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "divination/ui/Jinqiangua.h"
#include "divination/ui/UntOnther.h"
#include "divination/ui/Untabt.h"

namespace {

using qk::divination::ui::OpenOmenWindow;

TEST(OmenWindow, EachCommandOpensAFurtherWindowOnItsPageThatFreesItselfWhenClosed) {
  QPointer<TFormOnther> sneeze = OpenOmenWindow(0);
  QPointer<TFormOnther> ringing = OpenOmenWindow(QStringLiteral("耳鸣测吉凶"), 6);
  ASSERT_TRUE(sneeze && ringing);
  EXPECT_NE(sneeze.data(), ringing.data());
  EXPECT_TRUE(sneeze->isVisible());
  EXPECT_TRUE(ringing->isVisible());
  EXPECT_EQ(sneeze->windowTitle(), QStringLiteral("打喷嚏占卜吉凶"));
  EXPECT_EQ(sneeze->currentPage(), 0);
  EXPECT_EQ(ringing->windowTitle(), QStringLiteral("耳鸣测吉凶"));
  EXPECT_EQ(ringing->currentPage(), 6);
  EXPECT_TRUE(ringing->findChildren<QTabBar*>().isEmpty());
  const auto* page = qobject_cast<QPlainTextEdit*>(ringing->PageControl1->currentWidget());
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->toPlainText().startsWith(QStringLiteral("子时：左耳鸣")));
  EXPECT_TRUE(ringing->Label1->text().startsWith(QStringLiteral("说明：\n   子时为23点-1点")));

  sneeze->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(sneeze.isNull());
  EXPECT_TRUE(ringing->isVisible());
  ringing->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ringing.isNull());

  EXPECT_EQ(OpenOmenWindow(7), nullptr);
  EXPECT_EQ(OpenOmenWindow(QStringLiteral("x"), -1), nullptr);
}

TEST(GenderWindow, HeaderAgeRowsAndNote) {
  TFrm_NanNv window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("生男生女"));
  const QStringList lines = window.Memo1->toPlainText().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 29);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("年龄   1月    2月")));
  const QString row21 = lines[21 - 18 + 1];
  EXPECT_TRUE(row21.startsWith(QStringLiteral("21")));
  EXPECT_EQ(row21.count(QStringLiteral("男")), 1);
  EXPECT_EQ(row21.count(QStringLiteral("女")), 11);
  EXPECT_LT(row21.indexOf(QStringLiteral("男")), row21.indexOf(QStringLiteral("女")));
  EXPECT_TRUE(window.Label1->text().startsWith(QStringLiteral("说明：此表年龄为母亲虚岁年龄")));
}

// Runs an opener and closes the modal window it shows; gives that window's caption.
template <typename Open>
QString ShownModally(Open open) {
  QString caption;
  QTimer::singleShot(0, [&caption] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      caption = modal->windowTitle();
      modal->close();
    }
  });
  open();
  return caption;
}

TEST(ModalOpeners, EachOpeningFreesTheEarlierWindowAndShowsAFreshOne) {
  QPointer<TFrmQigua> coins = new TFrmQigua;  // as made, hidden, at start-up
  const QPointer<TFrmQigua> startup = coins;
  EXPECT_EQ(ShownModally([&] { qk::divination::ui::ShowQiguaModal(coins, nullptr); }), QStringLiteral("金钱卦"));
  EXPECT_TRUE(startup.isNull());
  ASSERT_FALSE(coins.isNull());
  EXPECT_EQ(coins->Label9->text(), QStringLiteral("未起卦"));

  QPointer<TFrm_NanNv> gender;
  EXPECT_EQ(ShownModally([&] { qk::divination::ui::ShowGenderTableModal(gender, nullptr); }),
            QStringLiteral("生男生女"));
  const QPointer<TFrm_NanNv> first = gender;
  ShownModally([&] { qk::divination::ui::ShowGenderTableModal(gender, nullptr); });
  EXPECT_TRUE(first.isNull());
  EXPECT_FALSE(gender.isNull());
  delete coins.data();
  delete gender.data();
}

}  // namespace
