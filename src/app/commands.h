#pragma once
// Every command the main window offers, wherever it is reached from (menu
// bar, input panel, command column, bottom bar). A command reached from
// several places behaves the same from each.
#include <string_view>

namespace qk::app {

enum class Command {
  Submenu,         // a menu row that opens a submenu
  ArticleEntry,    // the common command of the article library entries: no behaviour
  None,            // no behaviour in this program
  Article,         // article window; argument: article number n of id "c<n>"
  PictureArticle,  // picture-article window; argument: article number
  FengshuiReport,  // 风水分析
  XuankongReport,  // 玄空分析
  BaziReport,      // 八字简析
  DailyGua,        // 每日一卦
  Almanac,         // 黄道吉日 / 本日吉日
  Omen,            // omen window; argument: page 0 … 6
  Mobile,          // 手机号码分析
  QQNumber,        // QQ号码分析
  AnyNumber,       // 数字分析
  NetName,         // 网名分析
  Gender,          // 生男生女
  Calendar,        // 万年历法
  Service,         // 客户服务
  Chat,            // 联系QQ
  HomePage,        // 更多软件 / 公司主页
  Mail,            // 给我们发邮件
  About,           // 关于系统
  Upgrade,         // 软件升级
  Exit,            // 退出
};

struct CommandRef {
  constexpr CommandRef(Command c = Command::None, int a = 0, std::string_view cap = {})
      : command(c), argument(a), caption(cap) {}
  Command command;
  int argument;
  std::string_view caption;  // the entry that ran it; a picture article takes it as its title
};

// Outside addresses of the project.
inline constexpr std::string_view kHomePageUrl = "https://qiankun-zhaijian.example.org/";
inline constexpr std::string_view kMailUrl = "mailto:support@qiankun-zhaijian.example.org?subject=%E4%B9%BE%E5%9D%A4%E5%AE%85%E9%89%B4";
inline constexpr std::string_view kChatUrl = "tencent://message/?uin=800012345&Site=qiankun-zhaijian&Menu=yes";

inline constexpr std::string_view kUpgradeMessage = "感谢你的使用,软件是最新版无需升级!";

}  // namespace qk::app
