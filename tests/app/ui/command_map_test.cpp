#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <map>

#include "app/Unt_Main.h"
#include "app/info_windows.h"
#include "app/menu_tree.h"
#include "common/ui/messages.h"

namespace qk::app {
namespace {

// Every action of a menu, depth first, with its path.
void Collect(QMenu* menu, const QString& path, std::vector<std::pair<QString, QAction*>>& out) {
  for (QAction* action : menu->actions()) {
    const QString here = path + QStringLiteral(" / ") + action->text();
    if (action->menu()) Collect(action->menu(), here, out);
    else out.emplace_back(here, action);
  }
}

std::vector<std::pair<QString, QAction*>> AllEntries(TFrmmain& window) {
  std::vector<std::pair<QString, QAction*>> entries;
  for (QMenu* menu : window.topMenus) Collect(menu, menu->title(), entries);
  return entries;
}

struct CapturedMessages {
  std::vector<QString> texts;
  CapturedMessages() {
    qk::ui::SetMessageHandler([this](qk::ui::MessageKind, const QString&, const QString& text) { texts.push_back(text); });
  }
  ~CapturedMessages() { qk::ui::SetMessageHandler({}); }
};

// Closes whatever modal window is up once the event loop runs, and notes it.
QString CloseNextModal() {
  static QString seen;
  seen.clear();
  QTimer::singleShot(0, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      seen = QString::fromUtf8(modal->metaObject()->className());
      modal->close();
    }
  });
  return seen;
}

TEST(MenuTree, ArticleLibraryHasItsEntriesAndHints) {
  int articles = 0;
  int doubled = 0;
  std::map<std::string_view, std::string_view> hintOfTitle;
  for (const MenuRow& row : MenuTree()) {
    if (IsArticleHint(row.hint)) {
      ++articles;
      EXPECT_EQ(row.command, Command::ArticleEntry) << row.caption;
      if (row.hint == "FF458") ++doubled;
      // Entries with the same title share their number.
      const auto [it, inserted] = hintOfTitle.emplace(row.caption, row.hint);
      if (!inserted) {
        EXPECT_EQ(it->second, row.hint) << row.caption;
      }
    } else {
      EXPECT_NE(row.command, Command::ArticleEntry) << row.caption;
    }
  }
  EXPECT_EQ(articles, 511);
  EXPECT_EQ(doubled, 1);
}

TEST(MenuTree, HintsAreRecognisedCaseSensitively) {
  EXPECT_TRUE(IsArticleHint("F12"));
  EXPECT_TRUE(IsArticleHint("  F1 "));
  EXPECT_TRUE(IsArticleHint("FF458"));
  EXPECT_FALSE(IsArticleHint("f12"));
  EXPECT_FALSE(IsArticleHint(""));
}

TEST(MenuBar, MenusInOrderWithTheirEntries) {
  TFrmmain window;
  QStringList titles;
  for (QMenu* menu : window.topMenus) titles << menu->title();
  EXPECT_EQ(titles, (QStringList{"阳宅(&F)", "阴宅(&Y)", "家居(&J)", "运用(&Y)", "吉日(&D)", "工具(&Q)", "帮助(&H)"}));

  std::map<QString, QAction*> byPath;
  int articles = 0;
  for (const auto& [path, action] : AllEntries(window)) {
    byPath[path] = action;
    if (IsArticleHint(action->property("hint").toString().toStdString())) ++articles;
  }
  EXPECT_EQ(articles, 511);
  EXPECT_TRUE(byPath.count(QStringLiteral("运用(&Y) / 风水常识 / 四神兽 / 北方玄武")));
  EXPECT_TRUE(byPath.count(QStringLiteral("运用(&Y) / 风水流派 / 九星风水 / 阴阳风水之九星吉凶")));
  EXPECT_TRUE(byPath.count(QStringLiteral("帮助(&H) / 软件升级")));
  EXPECT_EQ(window.topMenus[4]->actions().size(), 17);
  EXPECT_EQ(window.topMenus[5]->actions().size(), 15);
}

TEST(Commands, ArticleEntriesAndCommandsWithoutBehaviourChangeNothing) {
  TFrmmain window;
  CapturedMessages messages;
  const QWidgetList before = QApplication::topLevelWidgets();
  for (const auto& [path, action] : AllEntries(window)) {
    if (!path.startsWith(QStringLiteral("阳宅"))) continue;
    action->trigger();
  }
  window.RunCommand({Command::None});
  window.commandButtons[2]->click();  // 开市吉日
  window.btnPrint->click();
  window.btnSave->click();
  window.RzButton21->click();  // 星宿分析
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_EQ(QApplication::topLevelWidgets().size(), before.size());
  EXPECT_FALSE(window.Memo1->isVisible());
}

TEST(Commands, UpgradeShowsItsMessage) {
  TFrmmain window;
  CapturedMessages messages;
  window.RunCommand({Command::Upgrade});
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], QStringLiteral("感谢你的使用,软件是最新版无需升级!"));
}

TEST(Commands, ModalWindowsReplaceTheirEarlierInstance) {
  TFrmmain window;
  CloseNextModal();
  window.btnService->click();
  QWidget* first = window.ModalInstance(Command::Service);
  ASSERT_NE(first, nullptr);
  EXPECT_NE(qobject_cast<TFrmService*>(first), nullptr);
  QPointer<QWidget> watch(first);
  CloseNextModal();
  window.RunCommand({Command::Service});
  EXPECT_TRUE(watch.isNull());  // freed before the next opening
  EXPECT_NE(window.ModalInstance(Command::Service), nullptr);
  CloseNextModal();
  window.RunCommand({Command::About});
  EXPECT_NE(qobject_cast<TFrmAbout*>(window.ModalInstance(Command::About)), nullptr);
}

}  // namespace
}  // namespace qk::app
