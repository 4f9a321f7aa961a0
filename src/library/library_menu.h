#pragma once
// Which menu entry opens which article: the text articles by id, the
// illustrated ones by number, with the entry's caption as window title.
#include <string_view>

namespace qk::library {

struct ArticleMenuEntry {
  std::string_view menuPath;  // submenus, joined with " / "
  std::string_view caption;
  std::string_view id;
};

inline constexpr ArticleMenuEntry kArticleMenuEntries[] = {
    {"运用(&Y) / 风水常识", "风水常识", "c1"},
    {"运用(&Y) / 风水常识", "选房风水", "c2"},
    {"运用(&Y) / 风水吉凶", "家居风水注意几个方位", "c3"},
    {"运用(&Y) / 风水吉凶", "六大贫贱家居风水", "c4"},
    {"运用(&Y) / 风水吉凶", "改变运势的装修技巧", "c5"},
    {"运用(&Y) / 风水吉凶", "通用12种风水方式", "c6"},
    {"运用(&Y) / 事业风水", "求职与家居风水", "c7"},
    {"运用(&Y) / 风水吉凶", "鼠年家居风水新讲究", "c8"},
    {"运用(&Y) / 风水吉凶", "七項陽宅应注意事項", "c9"},
};

struct PictureMenuEntry {
  std::string_view menuPath;
  std::string_view caption;  // also the window title
  int number;
};

inline constexpr PictureMenuEntry kPictureMenuEntries[] = {
    {"运用(&Y) / 爱情风水", "旺夫家居风水设计 [图]", 1},
    {"运用(&Y) / 爱情风水", "家居风水与姻缘 [图]", 2},
    {"运用(&Y) / 爱情风水", "桃花盛开制胜秘笈 [图]", 3},
    {"运用(&Y) / 爱情风水", "家居风水与桃花运 [图]", 4},
    {"运用(&Y) / 爱情风水", "风水秘籍钓 \"金龟婿\" [图]", 5},
    {"运用(&Y) / 爱情风水", "十二星座卧室桃花运大揭密 [图]", 6},
    {"运用(&Y) / 风水开运", "家居风水开运方法 [图]", 7},
    {"运用(&Y) / 风水开运", "财神摆放指南 [图]", 8},
    {"运用(&Y) / 风水布局", "财神摆放指南 [图]", 8},
    {"运用(&Y) / 风水吉凶", "随意改房对风水影响 [图]", 9},
    {"运用(&Y) / 风水吉凶", "装修颜色与风水吉凶 [图]", 10},
    {"运用(&Y) / 风水招财", "客厅招财布局 [图]", 11},
    {"运用(&Y) / 风水吉凶", "九种最常见风水煞气及解救方法 [图]", 12},
    {"运用(&Y) / 风水开运", "除夕家居风水摆设与新年运 [图]", 13},
    {"运用(&Y) / 风水吉凶", "6种类型的住宅学会驱邪避凶 [图]", 14},
    {"运用(&Y) / 风水开运", "家居装饰吉祥物的悬挂方法 [图]", 15},
    {"运用(&Y) / 风水开运", "居家好风水的15件宝贝 [图]", 16},
    {"运用(&Y) / 风水招财", "居家风水15件宝添财运 [图]", 16},
    {"家居(&J)", "家居风水十二招[图]", 17},
    {"运用(&Y) / 风水招财", "如何选择吉祥物增财旺运[图]", 18},
    {"运用(&Y) / 风水招财", "家中放置哪些吉祥物能招财 [图]", 20},
    {"家居(&J)", "6大吉利风水家饰[图]", 21},
};

}  // namespace qk::library
