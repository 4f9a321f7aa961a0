#pragma once
// Items and initial values of the main window's input panel.
#include <array>
#include <string_view>

#include "app/commands.h"
#include "common/hour_items.h"

namespace qk::app {

inline constexpr std::array<std::string_view, 2> kSexItems{"男", "女"};
inline constexpr std::array<std::string_view, 2> kDateKindItems{"公历", "农历"};
inline constexpr int kFirstListedYear = 1900;
inline constexpr int kLastListedYear = 2019;

using qk::kHourItems;

// Mountain-facing pairs with the trigram of the mountain.
inline constexpr std::array<std::string_view, 24> kMountainItems{
    "壬山丙向：坎", "子山午向：坎", "癸山丁向：坎", "丑山未向：艮", "艮山坤向：艮", "寅山申向：艮",
    "甲山庚向：震", "卯山酉向：震", "乙山辛向：震", "戌山辰向：乾", "乾山巽向：乾", "亥山巳向：乾",
    "丙山壬向：离", "午山子向：离", "丁山癸向：离", "未山丑向：坤", "坤山艮向：坤", "申山寅向：坤",
    "庚山甲向：兑", "酉山卯向：兑", "辛山乙向：兑", "辰山戌向：巽", "巽山乾向：巽", "巳山亥向：巽"};

inline constexpr std::array<std::string_view, 8> kDoorItems{"坎", "坤", "震", "巽", "乾", "兑", "艮", "离"};

inline constexpr std::array<std::string_view, 6> kFontSizeItems{"三号", "小三号", "四号", "小四号", "五号", "小五号"};

// Point size of the result pane for a CBFont item index; -1 (typed text, no
// item) is 9 pt; other indexes change nothing (0).
constexpr int ResultPanePointSize(int itemIndex) {
  constexpr int kSizes[] = {16, 15, 14, 12, 11, 9};
  if (itemIndex == -1) return 9;
  if (itemIndex < 0 || itemIndex > 5) return 0;
  return kSizes[itemIndex];
}

// The command column, row by row, left then right, with what each runs.
struct ColumnButton {
  std::string_view caption;
  CommandRef command;
};
inline constexpr std::array<ColumnButton, 32> kCommandColumn{{
    {"黄道吉日", {Command::Almanac, 0}},   {"本日吉日", {Command::Almanac, 0}},
    {"开市吉日", {Command::None, 0}},      {"交易吉日", {Command::None, 0}},
    {"嫁娶吉日", {Command::None, 0}},      {"入宅吉日", {Command::None, 0}},
    {"入学吉日", {Command::None, 0}},      {"纳财吉日", {Command::None, 0}},
    {"订盟吉日", {Command::None, 0}},      {"安门吉日", {Command::None, 0}},
    {"出行吉日", {Command::None, 0}},      {"开光吉日", {Command::None, 0}},
    {"求嗣吉日", {Command::None, 0}},      {"祈福吉日", {Command::None, 0}},
    {"破土吉日", {Command::None, 0}},      {"祭祀吉日", {Command::None, 0}},
    {"安葬吉日", {Command::None, 0}},      {"周公解析", {Command::None, 0}},
    {"解梦全书", {Command::None, 0}},      {"打喷嚏占卜", {Command::Omen, 0}},
    {"面热测占卜", {Command::Omen, 1}}, {"心惊测占卜", {Command::Omen, 2}},
    {"犬吠测占卜", {Command::Omen, 3}}, {"眼跳测占卜", {Command::Omen, 4}},
    {"耳热测占卜", {Command::Omen, 5}}, {"耳鸣测占卜", {Command::Omen, 6}},
    {"手机分析", {Command::Mobile, 0}},    {"QQ号码分析", {Command::QQNumber, 0}},
    {"数字分析", {Command::AnyNumber, 0}}, {"网名分析", {Command::NetName, 0}},
    {"生男生女", {Command::Gender, 0}},    {"万年历法", {Command::Calendar, 0}},
}};
inline constexpr std::array<int, 16> kCommandRowTops{5, 32, 59, 86, 113, 140, 167, 194,
                                                     222, 249, 276, 303, 330, 357, 384, 411};

inline constexpr std::array<std::string_view, 7> kTopMenus{"阳宅(&F)", "阴宅(&Y)", "家居(&J)", "运用(&Y)",
                                                           "吉日(&D)", "工具(&Q)", "帮助(&H)"};

inline constexpr std::string_view kWelcomeLine =
    "欢迎使用乾坤宅鉴：在上方填好性别与出生时间，再选择风水分析、八字简析或每日一卦。";

}  // namespace qk::app
