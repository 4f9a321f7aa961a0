#include "divination/omen_pages.h"

#include <vector>

namespace qk::divination {
namespace {

using Entries = std::vector<const char*>;

// Page 0: one entry per two-hour range, from one o'clock at night round to one.
const Entries kSneeze = {
    "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。",
    "凌晨3点-凌晨5点 有人挂念你，近日将有远方的消息。",
    "早上5点-早上7点 近日要多留意身体，防着凉伤风。",
    "早上7点-上午9点 有亲友相约，将有饮食聚会。",
    "上午9点-上午11点 有人在背后议论你，宜谨言慎行。",
    "上午11点-下午1点 有喜事临门，或得意外小财。",
    "下午1点-下午3点 有朋友邀约同游，出门须注意安全。",
    "下午3点-下午5点 有人托你办事，或将有财物进账。",
    "傍晚5点-晚上7点 有客人到访，家中热闹。",
    "晚上7点-晚上9点 有异性朋友惦记你，桃花将至。",
    "晚上9点-晚上11点 近期要防口舌是非，少管闲事为宜。",
    "晚上11点-凌晨1点 有贵人相助，所谋之事可成。",
};

// Pages 1, 2, 3 and 5: two double hours per line, 子 with 午 … 巳 with 亥.
const Entries kHotFace = {
    "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
    "丑时：主有酒食，贵客相邀。  未时：主有人相请，饮宴之喜。",
    "寅时：主有远客来访。  申时：主有小财，心中欢喜。",
    "卯时：主有客至，吉庆。  酉时：主有女子相思。",
    "辰时：主有口舌是非，宜忍。  戌时：主有人相争，慎言。",
    "巳时：主有酒食之约。  亥时：主有喜事，大吉。",
};

const Entries kStartledHeart = {
    "子时：主有女子思念。  午时：主有酒食相请。",
    "丑时：主有心事忧虑，宜静。  未时：主有客来，吉利。",
    "寅时：主有远行之事。  申时：主有财物进门。",
    "卯时：主有贵人相助。  酉时：主有亲友来访。",
    "辰时：主有失物，宜细寻。  戌时：主有争论口角。",
    "巳时：主有喜事，饮食吉。  亥时：主有官非，宜谨慎。",
};

const Entries kBarkingDog = {
    "子时：主有人相思，近日相会。  午时：主有远客来访。",
    "丑时：主有忧心之事，宜守。  未时：主有酒食宴请。",
    "寅时：主有财物进门。  申时：主有喜事临门。",
    "卯时：主有亲人来访。  酉时：主有远方消息。",
    "辰时：主有口舌，宜少言。  戌时：主有贵客到家。",
    "巳时：主有人上门求助。  亥时：主有争讼之事，宜和。",
};

// Page 4: as page 1, each entry with the left eye and the right eye.
const Entries kTwitchingEye = {
    "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
    "丑时：左有忧事，右有人思念。未时：左有贵客，右有小喜。",
    "寅时：左有远客来，右有喜事。申时：左主得财，右主有人思念。",
    "卯时：左有贵客，右主平安。酉时：左有客到，右有贵人。",
    "辰时：左有远客，右有损失。戌时：左有客来，右有聚会。",
    "巳时：左有饮食，右有凶事宜防。亥时：左有客到，右有官非。",
};

const Entries kHotEar = {
    "子时：主有酒食，大吉。  午时：主有亲友相会。",
    "丑时：主有人争论，宜忍。  未时：主有人背后称赞。",
    "寅时：主有远方消息。  申时：主有口舌是非。",
    "卯时：主有远客来访。  酉时：主有喜事将临。",
    "辰时：主有财物进门。  戌时：主有人相思。",
    "巳时：主有酒食之约。  亥时：主有争执，宜退让。",
};

// Page 6: 子 with 丑, 寅 with 未, 卯 with 申, 辰 with 酉, 巳 with 戌, 午 with 亥,
// each entry with the left ear and the right ear.
const Entries kRingingEar = {
    "子时：左耳鸣主有女子思念，右耳鸣主有客来。  丑时：左耳鸣主有口舌，右耳鸣主有喜事。",
    "寅时：左耳鸣主有财来，右耳鸣主有远行。  未时：左耳鸣主有客来，右耳鸣主有饮食。",
    "卯时：左耳鸣主有远客，右耳鸣主得财。  申时：左耳鸣主有贵人，右耳鸣主有忧事。",
    "辰时：左耳鸣主有人相请，右耳鸣主有凶事宜慎。  酉时：左耳鸣主有远客，右耳鸣主有喜。",
    "巳时：左耳鸣主有饮食，右耳鸣主有损失。  戌时：左耳鸣主有争论，右耳鸣主有人来。",
    "午时：左耳鸣主有喜事，右耳鸣主有远信。  亥时：左耳鸣主有官非，右耳鸣主有财。",
};

const std::array<const Entries*, kOmenPageCount> kPageEntries = {
    &kSneeze, &kHotFace, &kStartledHeart, &kBarkingDog, &kTwitchingEye, &kHotEar, &kRingingEar,
};

}  // namespace

const std::array<OmenPage, kOmenPageCount>& OmenPages() {
  static const std::array<OmenPage, kOmenPageCount> pages = {{
      {"打喷嚏占卜", "打喷嚏占卜吉凶"},
      {"面热测占卜", "面热测吉凶"},
      {"心惊测占卜", "心惊测吉凶"},
      {"犬吠测占卜", "犬吠测吉凶"},
      {"眼跳测占卜", "眼跳测吉凶"},
      {"耳热测占卜", "耳热测吉凶"},
      {"耳鸣测占卜", "耳鸣测吉凶"},
  }};
  return pages;
}

std::string OmenPageText(int page) {
  if (page < 0 || page >= kOmenPageCount) return {};
  std::string text;
  for (const char* entry : *kPageEntries[page]) {
    if (!text.empty()) text += "\n\n";
    text += entry;
  }
  return text;
}

const std::array<const char*, 4>& OmenNoteLines() {
  static const std::array<const char*, 4> lines = {
      "说明：",
      "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
      "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
      "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点",
  };
  return lines;
}

}  // namespace qk::divination
