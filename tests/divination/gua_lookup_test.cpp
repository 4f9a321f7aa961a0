#include "divination/gua_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "common/gbk.h"
#include "data/reference_db.h"
#include "divination/coin_cast.h"

namespace qk::divination {
namespace {

// Nature of each trigram by its three lines, bottom first ("0" yang).
const std::map<std::string, std::pair<std::string, std::string>> kTrigrams = {
    {"000", {"乾", "天"}}, {"001", {"兑", "泽"}}, {"010", {"离", "火"}}, {"011", {"震", "雷"}},
    {"100", {"巽", "风"}}, {"101", {"坎", "水"}}, {"110", {"艮", "山"}}, {"111", {"坤", "地"}},
};

TEST(GuaTable, EveryDrawFindsOneOfSixtyFourDistinctHexagramsTitledByNumber) {
  std::set<std::string> codes;
  for (int id = 0; id < kHexagramCount; ++id) {
    SCOPED_TRACE(id);
    const GuaLookup lookup = FindGuaById(id);
    ASSERT_TRUE(lookup.found());
    const GuaEntry& e = lookup.entry;
    EXPECT_EQ(e.id, id);
    EXPECT_TRUE(IsGuaCode(e.code)) << e.code;
    codes.insert(e.code);

    // The title names the hexagram the code spells: lower trigram first.
    const std::string prefix = "第" + std::to_string(id + 1) + "卦 ";
    ASSERT_EQ(e.title.rfind(prefix, 0), 0u) << e.title;
    const std::string name = e.title.substr(prefix.size());
    const auto& lower = kTrigrams.at(e.code.substr(0, 3));
    const auto& upper = kTrigrams.at(e.code.substr(3, 3));
    if (lower == upper)
      EXPECT_EQ(name, upper.first + "为" + upper.second);
    else
      EXPECT_EQ(name.rfind(upper.second + lower.second, 0), 0u) << name;

    for (const char* part : {"【卦象】", "【卦辞】", "【象曰】", "【解卦】"})
      EXPECT_NE(e.text.find(part), std::string::npos) << part;
    EXPECT_TRUE(Utf8ToGbk(e.title + e.text).has_value());

    const GuaLookup byCode = FindGuaByCode(e.code);
    ASSERT_TRUE(byCode.found());
    EXPECT_EQ(byCode.entry.id, id);
  }
  EXPECT_EQ(codes.size(), 64u);
}

TEST(GuaTable, KnownRows) {
  const struct {
    int id;
    const char* code;
    const char* title;
    const char* judgement;
  } cases[] = {
      {0, "000000", "第1卦 乾为天", "乾：元，亨，利，贞。"},
      {1, "111111", "第2卦 坤为地", "地势坤，君子以厚德载物。"},
      {16, "011001", "第17卦 泽雷随", "随：元亨利贞，无咎。"},
      {63, "101010", "第64卦 火水未济", "火在水上，未济；君子以慎辨物居方。"},
  };
  for (const auto& c : cases) {
    const GuaLookup lookup = FindGuaByCode(c.code);
    ASSERT_TRUE(lookup.found()) << c.code;
    EXPECT_EQ(lookup.entry.id, c.id);
    EXPECT_EQ(lookup.entry.title, c.title);
    EXPECT_NE(lookup.entry.text.find(c.judgement), std::string::npos) << c.title;
  }
}

TEST(GuaTable, KeysWithoutARowFindNothing) {
  for (int id : {-1, 64}) EXPECT_EQ(FindGuaById(id).status, GuaLookup::Status::NotFound) << id;
  for (const char* code : {"", "0110", "01100x", "' or 1=1 --"})
    EXPECT_EQ(FindGuaByCode(code).status, GuaLookup::Status::NotFound) << code;
}

TEST(GuaTable, UnreadableDatabaseIsAFailureNotAnEmptyRow) {
  const auto empty = std::filesystem::temp_directory_path() / "qk_gua_no_db";
  std::filesystem::create_directories(empty);
  data::SetReferenceDirectory(empty);
  const GuaLookup lookup = FindGuaById(0);
  data::SetReferenceDirectory(std::nullopt);
  std::filesystem::remove_all(empty);
  EXPECT_EQ(lookup.status, GuaLookup::Status::Failed);
}

}  // namespace
}  // namespace qk::divination
