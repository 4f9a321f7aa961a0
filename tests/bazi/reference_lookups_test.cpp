#include "bazi/reference_lookups.h"

#include <gtest/gtest.h>

#include "bazi/bazi_tables.h"
#include "calendar/sexagenary_tables.h"

namespace qk::bazi {
namespace {

TEST(ReferenceLookups, TenGodsOfEveryStemPair) {
  const char* expected[] = {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"};
  for (std::size_t other = 0; other < 10; ++other)
    EXPECT_EQ(LookupTenGod(std::string("甲") + std::string(calendar::StemNames[other])), expected[other]) << other;
  EXPECT_EQ(LookupTenGod("辛丙"), "正官");
  EXPECT_EQ(LookupTenGod("癸戊"), "正官");
  for (std::string_view day : calendar::StemNames)
    for (std::string_view other : calendar::StemNames) {
      const std::string name = LookupTenGod(std::string(day) + std::string(other));
      EXPECT_NE(std::find(TenGodNames.begin(), TenGodNames.end(), name), TenGodNames.end()) << day << other;
    }
  EXPECT_EQ(LookupTenGod("甲"), "");
}

TEST(ReferenceLookups, NayinIgnoresATrailingBlank) {
  EXPECT_EQ(LookupNayin("甲子"), "海中金");
  EXPECT_EQ(LookupNayin("癸亥"), "大海水");
  EXPECT_EQ(LookupNayin("丁巳 "), "沙中土");
  EXPECT_EQ(LookupNayin("甲丑"), "");
}

TEST(ReferenceLookups, CharacterElements) {
  const char* const kStemElements[] = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
  const char* const kBranchElements[] = {"水", "土", "木", "木", "土", "火", "火", "土", "金", "金", "土", "水"};
  for (std::size_t i = 0; i < 10; ++i)
    EXPECT_EQ(LookupCharElement(calendar::StemNames[i]), kStemElements[i]) << i;
  for (std::size_t i = 0; i < 12; ++i)
    EXPECT_EQ(LookupCharElement(calendar::BranchNames[i]), kBranchElements[i]) << i;
  EXPECT_EQ(LookupCharElement(" 林 "), "木");
  EXPECT_EQ(LookupCharElement("鑫"), "金");
  // Nothing found: an unknown character, an empty text, a wildcard.
  EXPECT_EQ(LookupCharElement("的"), "");
  EXPECT_EQ(LookupCharElement(""), "");
  EXPECT_EQ(LookupCharElement("%"), "");
  EXPECT_EQ(LookupCharElement("'"), "");
}

}  // namespace
}  // namespace qk::bazi

namespace qk::bazi {
namespace {

TEST(LookupMemoScope, GivesWhatTheSingleLookUpsGive) {
  std::vector<std::string> single, memoised;
  const auto collect = [](std::vector<std::string>& out) {
    for (std::string_view day : calendar::StemNames)
      for (std::string_view other : calendar::StemNames) out.push_back(LookupTenGod(std::string(day) + std::string(other)));
    for (int n = 0; n < 60; ++n)
      out.push_back(LookupNayin(std::string(calendar::StemNames[static_cast<std::size_t>(n % 10)]) +
                                std::string(calendar::BranchNames[static_cast<std::size_t>(n % 12)]) + " "));
    for (const char* key : {"甲丑", "", " 甲子", "林", "林", "的", "%"}) {
      out.push_back(LookupNayin(key));
      out.push_back(LookupCharElement(key));
    }
  };
  collect(single);
  {
    const LookupMemoScope memo;
    collect(memoised);
  }
  EXPECT_EQ(memoised, single);
}

}  // namespace
}  // namespace qk::bazi
