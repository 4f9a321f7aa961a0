#include "fengshui/house_advice.h"

#include "fengshui/house_advice_texts.h"

namespace qk::fengshui {
namespace {

void AppendAdviceBlock(std::string_view lifeTrigram, std::vector<std::string>& lines) {
  for (const AdviceBlock& block : kAdviceBlocks) {
    if (block.trigram != lifeTrigram) continue;
    lines.emplace_back(block.heading);
    lines.emplace_back(block.item1);
    lines.emplace_back(block.item2);
    lines.emplace_back(block.item3Label);
    for (std::string_view label : kAdviceItemLabels) lines.emplace_back(label);
    lines.emplace_back();
    lines.emplace_back(block.starDirections);
    return;
  }
}

void AppendDoorStoveJudgements(std::vector<std::string>& lines) {
  lines.emplace_back("门灶吉凶福祸断验：");
  for (std::size_t door = 0; door < kJudgementDoors.size(); ++door) {
    lines.push_back("门灶吉凶福祸断验" + std::string(kJudgementDoors[door]) + "门乾主：");
    for (std::string_view judgement : kDoorStoveJudgements[door]) lines.emplace_back(judgement);
    lines.emplace_back();
  }
}

}  // namespace

void WriteHouseAdvice(std::string_view lifeTrigram, std::vector<std::string>& lines) {
  lines.emplace_back("本命阳宅适宜之方位：");
  lines.emplace_back();
  AppendAdviceBlock(lifeTrigram, lines);
  lines.emplace_back();
  lines.emplace_back(kSeparatorLine);
  lines.emplace_back();
  AppendDoorStoveJudgements(lines);
  for (std::size_t i = 0; i < kClosingLabels.size(); ++i) {
    if (i > 0) lines.emplace_back();
    lines.emplace_back(kClosingLabels[i]);
  }
}

}  // namespace qk::fengshui
