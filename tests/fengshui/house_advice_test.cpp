#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/gbk.h"
#include "fengshui/house_advice.h"
#include "fengshui/house_advice_texts.h"
#include "fengshui/star_table.h"
#include "fengshui/trigrams.h"

namespace qk::fengshui {
namespace {

std::vector<std::string> Section(std::string_view trigram) {
  std::vector<std::string> lines;
  WriteHouseAdvice(trigram, lines);
  return lines;
}

TEST(HouseAdvice, SectionShapeForEveryTrigram) {
  for (std::string_view trigram : kDoorOrder) {
    const auto lines = Section(trigram);
    ASSERT_EQ(lines.size(), 105u) << trigram;
    EXPECT_EQ(lines[0], "本命阳宅适宜之方位：");
    EXPECT_EQ(lines[2], std::string(trigram) + "卦：");
    EXPECT_EQ(lines[8], "6、床位安于");
    EXPECT_EQ(lines[11].substr(0, 3), trigram);  // star-direction line
    EXPECT_EQ(lines[13], kSeparatorLine);
    EXPECT_EQ(lines[15], "门灶吉凶福祸断验：");
    EXPECT_EQ(lines[16], "门灶吉凶福祸断验坎门乾主：");
    EXPECT_EQ(lines[86], "门灶吉凶福祸断验兑门乾主：");
    EXPECT_EQ(lines[95], "");
    EXPECT_EQ(lines[96], "八宅方位：");
    EXPECT_EQ(lines[104], "床头向八方吉凶断：");
    // Everything after the advice block is the same for everyone.
    const auto kan = Section("坎");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 12, lines.end()),
              std::vector<std::string>(kan.begin() + 12, kan.end()));
  }
  EXPECT_EQ(Section("").size(), 95u);
  EXPECT_EQ(Section("东").size(), 95u);
}

TEST(HouseAdvice, GenBlockPutsTheShrineFirst) {
  const auto lines = Section("艮");
  EXPECT_EQ(lines[4], "2.神位宜安西方、西北方、东北方及本年大利方合吉。");
  EXPECT_EQ(lines[5], "3、门路宜");
}

TEST(HouseAdvice, SeparatorIs64GbkBytes) {
  EXPECT_EQ(GbkByteLength(kSeparatorLine), 64u);
  EXPECT_EQ(kSeparatorLine.find("内容分隔线"), 24u);
}

// Each star-direction line names, star by star, the direction of the palace
// holding that star in the trigram's row of the star table.
TEST(HouseAdvice, StarDirectionLinesFollowTheStarTable) {
  const std::string_view stars[] = {"生气", "天乙", "延年", "伏位", "祸害", "六煞", "五鬼", "绝命"};
  for (const AdviceBlock& block : kAdviceBlocks) {
    std::string expected = std::string(block.trigram) + "命：";
    for (int s = 0; s < 8; ++s) {
      for (std::string_view palace : kPalaceOrder)
        if (StarOf(block.trigram, palace) == stars[s]) {
          expected += std::string(stars[s] == "天乙" ? "天医" : stars[s]) + "在" + std::string(DirectionOf(palace)) + "方";
        }
      // The 离 line keeps its comma after the fourth star.
      expected += s == 7 ? "。" : (s == 3 && block.trigram != "离") ? "。" : "，";
    }
    EXPECT_EQ(block.starDirections, expected);
  }
}

// The judgements must agree with what they describe: the star between stove
// and door and between stove and the 乾 master, and the elements they name.
const std::map<std::string, std::string> kElementOf{{"乾", "金"}, {"兑", "金"}, {"离", "火"}, {"震", "木"},
                                                    {"巽", "木"}, {"坎", "水"}, {"艮", "土"}, {"坤", "土"}};
const std::map<std::string, std::string> kGenerates{{"木", "火"}, {"火", "土"}, {"土", "金"}, {"金", "水"}, {"水", "木"}};
const std::map<std::string, std::string> kControls{{"木", "土"}, {"土", "水"}, {"水", "火"}, {"火", "金"}, {"金", "木"}};
const std::string_view kStars[] = {"生气", "天乙", "延年", "伏位", "祸害", "六煞", "五鬼", "绝命"};

// Stars named in the clause that follows `marker`, up to the next comma or stop.
std::vector<std::string> StarsAfter(const std::string& text, const std::string& marker) {
  std::vector<std::string> found;
  for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
    std::size_t end = text.size();
    for (const char* stop : {"，", "；", "。"}) end = std::min(end, text.find(stop, at + marker.size()));
    const std::string clause = text.substr(at, end - at);
    for (std::string_view star : kStars)
      if (clause.find(star) != std::string::npos) found.emplace_back(star);
  }
  return found;
}

TEST(HouseAdvice, JudgementsAgreeWithStarsAndElements) {
  for (std::size_t d = 0; d < kJudgementDoors.size(); ++d) {
    const std::string door(kJudgementDoors[d]);
    for (std::size_t s = 0; s < kJudgementStoves.size(); ++s) {
      const std::string stove(kJudgementStoves[s]);
      const std::string text(kDoorStoveJudgements[d][s]);
      SCOPED_TRACE(door + "门" + stove + "灶: " + text);
      EXPECT_EQ(text.rfind(stove + "灶：", 0), 0u);
      for (const auto& star : StarsAfter(text, "灶与门")) EXPECT_EQ(star, StarOf(stove, door));
      for (const auto& star : StarsAfter(text, "灶与主")) EXPECT_EQ(star, StarOf(stove, "乾"));
      // "坎水", "乾金": a trigram followed by an element names its own element;
      // "坎水生震木", "离火克乾金": the verb matches the elements.
      for (const auto& [trigram, element] : kElementOf)
        for (const char* other : {"金", "木", "水", "火", "土"})
          if (element != other) {
            EXPECT_EQ(text.find(trigram + other), std::string::npos) << trigram << other;
          }
      for (const auto& [a, b] : kElementOf)
        for (const auto& [c, e] : kElementOf) {
          const std::string gen = a + b + "生" + c + e;
          const std::string ctl = a + b + "克" + c + e;
          if (text.find(gen) != std::string::npos) {
            EXPECT_EQ(kGenerates.at(b), e) << gen;
          }
          if (text.find(ctl) != std::string::npos) {
            EXPECT_EQ(kControls.at(b), e) << ctl;
          }
        }
    }
  }
}

// A stove whose stars with door and master are both lucky is never judged
// unlucky overall, and the other way round.
TEST(HouseAdvice, VerdictsFollowTheStars) {
  auto lucky = [](std::string_view star) {
    return star == "生气" || star == "天乙" || star == "延年" || star == "伏位";
  };
  for (std::size_t d = 0; d < kJudgementDoors.size(); ++d)
    for (std::size_t s = 0; s < kJudgementStoves.size(); ++s) {
      const std::string text(kDoorStoveJudgements[d][s]);
      const bool withDoor = lucky(StarOf(kJudgementStoves[s], kJudgementDoors[d]));
      const bool withMaster = lucky(StarOf(kJudgementStoves[s], "乾"));
      const bool saysGood = text.find("大吉") != std::string::npos || text.find("属吉") != std::string::npos;
      const bool saysBad = text.find("大凶") != std::string::npos || text.find("属凶") != std::string::npos;
      EXPECT_FALSE(withDoor && withMaster && saysBad) << text;
      EXPECT_FALSE(!withDoor && !withMaster && saysGood) << text;
    }
}

TEST(HouseAdvice, OurJudgementsNameBothStars) {
  // Every door block but the first (whose rows are fixed) and the two fixed
  // 坤-stove rows name the star with the door and the star with the master.
  for (std::size_t d = 1; d < kJudgementDoors.size(); ++d)
    for (std::size_t s = 0; s < kJudgementStoves.size(); ++s) {
      if (kJudgementStoves[s] == "坤" && (kJudgementDoors[d] == "乾" || kJudgementDoors[d] == "坤")) continue;
      const std::string text(kDoorStoveJudgements[d][s]);
      EXPECT_EQ(StarsAfter(text, "灶与门").size(), 1u) << text;
      EXPECT_EQ(StarsAfter(text, "灶与主").size(), 1u) << text;
    }
}

}  // namespace
}  // namespace qk::fengshui
