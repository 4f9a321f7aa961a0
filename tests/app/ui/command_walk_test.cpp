// Walks every command of the main window that has a behaviour, from every
// place it is reached, and checks what it does: which window it opens and
// whether modally, the report it writes, the message it shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <map>
#include <set>

#include "app/Unt_Main.h"
#include "common/ui/messages.h"

namespace qk::app {
namespace {

enum class Effect { Modal, Modeless, Report, Message, Link, Nothing };

struct Expectation {
  const char* where;  // menu path, or "column:", "panel:", "bar:" and the caption
  Effect effect;
  const char* detail;  // window class, message text or address scheme
};

// Everything with a behaviour, with the window class (and, for a window that
// stays open, its caption), the message or the address scheme. Every other
// entry and button must do nothing.
const Expectation kExpectations[] = {
    {"吉日(&D) / 黄道吉日", Effect::Modeless, "TFormHuangdao 黄道吉日"},
    {"column:黄道吉日", Effect::Modeless, "TFormHuangdao 黄道吉日"},
    {"column:本日吉日", Effect::Modeless, "TFormHuangdao 黄道吉日"},
    {"工具(&Q) / 打喷嚏占卜", Effect::Modeless, "TFormOnther 打喷嚏占卜吉凶"},
    {"column:打喷嚏占卜", Effect::Modeless, "TFormOnther 打喷嚏占卜吉凶"},
    {"工具(&Q) / 面热测占卜", Effect::Modeless, "TFormOnther 面热测吉凶"},
    {"column:面热测占卜", Effect::Modeless, "TFormOnther 面热测吉凶"},
    {"工具(&Q) / 心惊测占卜", Effect::Modeless, "TFormOnther 心惊测吉凶"},
    {"column:心惊测占卜", Effect::Modeless, "TFormOnther 心惊测吉凶"},
    {"工具(&Q) / 犬吠测占卜", Effect::Modeless, "TFormOnther 犬吠测吉凶"},
    {"column:犬吠测占卜", Effect::Modeless, "TFormOnther 犬吠测吉凶"},
    {"工具(&Q) / 眼跳测占卜", Effect::Modeless, "TFormOnther 眼跳测吉凶"},
    {"column:眼跳测占卜", Effect::Modeless, "TFormOnther 眼跳测吉凶"},
    {"工具(&Q) / 耳热测占卜", Effect::Modeless, "TFormOnther 耳热测吉凶"},
    {"column:耳热测占卜", Effect::Modeless, "TFormOnther 耳热测吉凶"},
    {"工具(&Q) / 耳鸣测占卜", Effect::Modeless, "TFormOnther 耳鸣测吉凶"},
    {"column:耳鸣测占卜", Effect::Modeless, "TFormOnther 耳鸣测吉凶"},
    {"工具(&Q) / 手机号码分析", Effect::Modal, "TFrm_SJcs"},
    {"column:手机分析", Effect::Modal, "TFrm_SJcs"},
    {"工具(&Q) / QQ号码分析", Effect::Modal, "TFrmQQhm"},
    {"column:QQ号码分析", Effect::Modal, "TFrmQQhm"},
    {"工具(&Q) / 更多数字分析", Effect::Modal, "TFrm_onther"},
    {"column:数字分析", Effect::Modal, "TFrm_onther"},
    {"工具(&Q) / 网名分析", Effect::Modal, "TFrmWangming"},
    {"column:网名分析", Effect::Modal, "TFrmWangming"},
    {"工具(&Q) / 生男生女", Effect::Modal, "TFrm_NanNv"},
    {"column:生男生女", Effect::Modal, "TFrm_NanNv"},
    {"工具(&Q) / 万年历法", Effect::Modal, "qk::calendar::ui::TFRM_Date"},
    {"column:万年历法", Effect::Modal, "qk::calendar::ui::TFRM_Date"},
    {"帮助(&H) / 客户服务", Effect::Modal, "qk::app::TFrmService"},
    {"bar:客户服务", Effect::Modal, "qk::app::TFrmService"},
    {"帮助(&H) / 关于系统", Effect::Modal, "qk::app::TFrmAbout"},
    {"帮助(&H) / 软件升级", Effect::Message, "感谢你的使用,软件是最新版无需升级!"},
    {"帮助(&H) / 给我们发邮件", Effect::Link, "mailto"},
    {"帮助(&H) / 公司主页", Effect::Link, "https"},
    {"bar:更多软件", Effect::Link, "https"},
    {"bar:联系QQ", Effect::Link, "tencent"},
    {"panel:每日一卦", Effect::Modal, "TFrmQigua"},
    {"panel:八字简析", Effect::Report, ""},
    {"panel:风水分析", Effect::Report, ""},
    {"panel:玄空分析", Effect::Report, ""},
    {"运用(&Y) / 风水常识 / 风水常识", Effect::Modeless, "TFrmNote 风水常识"},
    {"运用(&Y) / 风水常识 / 选房风水", Effect::Modeless, "TFrmNote 选房风水"},
    {"运用(&Y) / 风水吉凶 / 家居风水注意几个方位", Effect::Modeless, "TFrmNote 家居风水注意几个方位"},
    {"运用(&Y) / 风水吉凶 / 六大贫贱家居风水", Effect::Modeless, "TFrmNote 六大贫贱家居风水"},
    {"运用(&Y) / 风水吉凶 / 改变运势的装修技巧", Effect::Modeless, "TFrmNote 改变运势的装修技巧"},
    {"运用(&Y) / 风水吉凶 / 通用12种风水方式", Effect::Modeless, "TFrmNote 通用12种风水方式"},
    {"运用(&Y) / 事业风水 / 求职与家居风水", Effect::Modeless, "TFrmNote 求职与家居风水"},
    {"运用(&Y) / 风水吉凶 / 鼠年家居风水新讲究", Effect::Modeless, "TFrmNote 鼠年家居风水新讲究"},
    {"运用(&Y) / 风水吉凶 / 七項陽宅应注意事項", Effect::Modeless, "TFrmNote 七項陽宅应注意事項"},
    {"家居(&J) / 家居风水十二招[图]", Effect::Modeless, "TImageInfoLoad 家居风水十二招[图]"},
    {"家居(&J) / 6大吉利风水家饰[图]", Effect::Modeless, "TImageInfoLoad 6大吉利风水家饰[图]"},
    {"运用(&Y) / 爱情风水 / 旺夫家居风水设计 [图]", Effect::Modeless, "TImageInfoLoad 旺夫家居风水设计 [图]"},
    {"运用(&Y) / 爱情风水 / 家居风水与姻缘 [图]", Effect::Modeless, "TImageInfoLoad 家居风水与姻缘 [图]"},
    {"运用(&Y) / 爱情风水 / 桃花盛开制胜秘笈 [图]", Effect::Modeless, "TImageInfoLoad 桃花盛开制胜秘笈 [图]"},
    {"运用(&Y) / 爱情风水 / 家居风水与桃花运 [图]", Effect::Modeless, "TImageInfoLoad 家居风水与桃花运 [图]"},
    {"运用(&Y) / 爱情风水 / 风水秘籍钓 \"金龟婿\" [图]", Effect::Modeless, "TImageInfoLoad 风水秘籍钓 \"金龟婿\" [图]"},
    {"运用(&Y) / 爱情风水 / 十二星座卧室桃花运大揭密 [图]", Effect::Modeless, "TImageInfoLoad 十二星座卧室桃花运大揭密 [图]"},
    {"运用(&Y) / 风水开运 / 财神摆放指南 [图]", Effect::Modeless, "TImageInfoLoad 财神摆放指南 [图]"},
    {"运用(&Y) / 风水开运 / 家居风水开运方法 [图]", Effect::Modeless, "TImageInfoLoad 家居风水开运方法 [图]"},
    {"运用(&Y) / 风水开运 / 居家好风水的15件宝贝 [图]", Effect::Modeless, "TImageInfoLoad 居家好风水的15件宝贝 [图]"},
    {"运用(&Y) / 风水开运 / 除夕家居风水摆设与新年运 [图]", Effect::Modeless, "TImageInfoLoad 除夕家居风水摆设与新年运 [图]"},
    {"运用(&Y) / 风水开运 / 家居装饰吉祥物的悬挂方法 [图]", Effect::Modeless, "TImageInfoLoad 家居装饰吉祥物的悬挂方法 [图]"},
    {"运用(&Y) / 风水招财 / 客厅招财布局 [图]", Effect::Modeless, "TImageInfoLoad 客厅招财布局 [图]"},
    {"运用(&Y) / 风水招财 / 如何选择吉祥物增财旺运[图]", Effect::Modeless, "TImageInfoLoad 如何选择吉祥物增财旺运[图]"},
    {"运用(&Y) / 风水招财 / 居家风水15件宝添财运 [图]", Effect::Modeless, "TImageInfoLoad 居家风水15件宝添财运 [图]"},
    {"运用(&Y) / 风水招财 / 家中放置哪些吉祥物能招财 [图]", Effect::Modeless, "TImageInfoLoad 家中放置哪些吉祥物能招财 [图]"},
    {"运用(&Y) / 风水布局 / 财神摆放指南 [图]", Effect::Modeless, "TImageInfoLoad 财神摆放指南 [图]"},
    {"运用(&Y) / 风水吉凶 / 随意改房对风水影响 [图]", Effect::Modeless, "TImageInfoLoad 随意改房对风水影响 [图]"},
    {"运用(&Y) / 风水吉凶 / 装修颜色与风水吉凶 [图]", Effect::Modeless, "TImageInfoLoad 装修颜色与风水吉凶 [图]"},
    {"运用(&Y) / 风水吉凶 / 九种最常见风水煞气及解救方法 [图]", Effect::Modeless, "TImageInfoLoad 九种最常见风水煞气及解救方法 [图]"},
    {"运用(&Y) / 风水吉凶 / 6种类型的住宅学会驱邪避凶 [图]", Effect::Modeless, "TImageInfoLoad 6种类型的住宅学会驱邪避凶 [图]"},
};

// Captures links instead of handing them to the desktop.
class LinkCatcher : public QObject {
  Q_OBJECT
 public:
  LinkCatcher() {
    for (const char* scheme : {"https", "mailto", "tencent"})
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
  }
  ~LinkCatcher() override {
    for (const char* scheme : {"https", "mailto", "tencent"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  }
  QStringList schemes;
 public slots:
  void Open(const QUrl& url) { schemes << url.scheme(); }
};

struct Outcome {
  Effect effect = Effect::Nothing;
  QString detail;
};

QSet<QWidget*> TopLevels() {
  const QWidgetList list = QApplication::topLevelWidgets();
  return QSet<QWidget*>(list.begin(), list.end());
}

// Runs one trigger and tells what happened.
Outcome Observe(TFrmmain& window, const std::function<void()>& trigger, LinkCatcher& links) {
  Outcome outcome;
  QStringList messages;
  qk::ui::SetMessageHandler([&](qk::ui::MessageKind, const QString&, const QString& text) { messages << text; });
  QString modalClass;
  QTimer::singleShot(0, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modalClass = QString::fromUtf8(modal->metaObject()->className());
      modal->close();
    }
  });
  const QSet<QWidget*> before = TopLevels();
  const QString reportBefore = window.Memo1->toPlainText();
  links.schemes.clear();
  trigger();
  QApplication::processEvents();
  qk::ui::SetMessageHandler({});

  QStringList opened;
  for (QWidget* widget : TopLevels() - before) {
    if (!widget->isVisible()) continue;
    opened << QString::fromUtf8(widget->metaObject()->className()) + QLatin1Char(' ') + widget->windowTitle();
    widget->close();
  }
  if (!modalClass.isEmpty()) outcome = {Effect::Modal, modalClass};
  else if (!opened.isEmpty()) outcome = {Effect::Modeless, opened.join(QLatin1Char(','))};
  else if (!messages.isEmpty()) outcome = {Effect::Message, messages.join(QLatin1Char('|'))};
  else if (!links.schemes.isEmpty()) outcome = {Effect::Link, links.schemes.join(QLatin1Char(','))};
  else if (window.Memo1->isVisible() && window.Memo1->toPlainText() != reportBefore) outcome = {Effect::Report, {}};
  window.Memo1->setPlainText({});
  return outcome;
}

// Every place a command is reached from, with what triggers it there.
std::map<QString, std::function<void()>> Triggers(TFrmmain& window) {
  std::map<QString, std::function<void()>> triggers;
  std::function<void(QMenu*, const QString&)> walk = [&](QMenu* menu, const QString& path) {
    for (QAction* action : menu->actions()) {
      const QString here = path + QStringLiteral(" / ") + action->text();
      if (action->menu()) walk(action->menu(), here);
      else triggers[here] = [action] { action->trigger(); };
    }
  };
  for (QMenu* menu : window.topMenus) walk(menu, menu->title());
  for (QPushButton* button : window.commandButtons) triggers[QStringLiteral("column:") + button->text()] = [button] { button->click(); };
  for (QPushButton* button : {window.btnService, window.btnChat, window.btnMore, window.btnPrint, window.btnSave})
    triggers[QStringLiteral("bar:") + button->text()] = [button] { button->click(); };
  for (QPushButton* button : {window.RzButton1, window.RzButton20, window.RzButton21, window.RzButton22, window.RzButton23})
    triggers[QStringLiteral("panel:") + button->text()] = [button] { button->click(); };
  return triggers;
}

TEST(CommandWalk, EveryEntryAndButtonDoesWhatItShould) {
  TFrmmain window;
  window.show();
  LinkCatcher links;
  const auto triggers = Triggers(window);
  std::map<QString, const Expectation*> expected;
  for (const auto& e : kExpectations) expected[QString::fromUtf8(e.where)] = &e;
  for (const auto& [where, trigger] : triggers) {
    SCOPED_TRACE(where.toStdString());
    const Outcome outcome = Observe(window, trigger, links);
    const auto it = expected.find(where);
    if (it == expected.end()) {
      EXPECT_EQ(outcome.effect, Effect::Nothing) << outcome.detail.toStdString();
      continue;
    }
    EXPECT_EQ(outcome.effect, it->second->effect) << outcome.detail.toStdString();
    if (it->second->effect != Effect::Report) {
      EXPECT_EQ(outcome.detail, QString::fromUtf8(it->second->detail));
    }
  }
  for (const auto& e : kExpectations) EXPECT_TRUE(triggers.count(QString::fromUtf8(e.where))) << e.where;
  // 511 article entries, 43 other entries of the article menus, the 吉日, 工具
  // and 帮助 entries, the column, the bar (less 退出) and the panel; one
  // article entry stands twice under the same path.
  EXPECT_EQ(triggers.size(), 511u + 43 + 17 + 15 + 5 + 32 + 5 + 5 - 1);
}

TEST(CommandWalk, ModalWindowsAreFreshNonModalOnesPileUp) {
  TFrmmain window;
  LinkCatcher links;
  auto qq = [&] { window.RunCommand({Command::QQNumber}); };
  EXPECT_EQ(Observe(window, qq, links).detail, QStringLiteral("TFrmQQhm"));
  QPointer<QWidget> first = window.ModalInstance(Command::QQNumber);
  EXPECT_EQ(Observe(window, qq, links).detail, QStringLiteral("TFrmQQhm"));
  EXPECT_TRUE(first.isNull());  // the second opening made a new window

  const QSet<QWidget*> before = TopLevels();
  window.commandButtons[19]->click();  // 打喷嚏占卜
  window.commandButtons[19]->click();
  int omenWindows = 0;
  for (QWidget* w : TopLevels() - before)
    if (w->isVisible() && QString::fromUtf8(w->metaObject()->className()) == QStringLiteral("TFormOnther")) ++omenWindows;
  EXPECT_EQ(omenWindows, 2);
  for (QWidget* w : TopLevels() - before) w->close();
}

TEST(CommandWalk, TheCoinWindowExistsFromStartAndIsReplaced) {
  TFrmmain window;
  window.CreateStartupWindows();
  QPointer<QWidget> startup = window.ModalInstance(Command::DailyGua);
  ASSERT_FALSE(startup.isNull());
  EXPECT_FALSE(startup->isVisible());
  LinkCatcher links;
  EXPECT_EQ(Observe(window, [&] { window.RzButton23->click(); }, links).detail, QStringLiteral("TFrmQigua"));
  EXPECT_TRUE(startup.isNull());
}

}  // namespace
}  // namespace qk::app

#include "command_walk_test.moc"
