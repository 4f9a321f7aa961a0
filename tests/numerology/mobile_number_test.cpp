#include <gtest/gtest.h>

#include <filesystem>

#include "data/reference_db.h"
#include "numerology/mobile_number.h"

namespace qk::numerology {
namespace {

TEST(shoujiinfostr, ReadsUpToFourDigitsFromPositionEight) {
  const struct {
    const char* number;
    const char* key;
  } cases[] = {
      {"13800001234", "34"}, {"13800000080", "0"}, {"13800000000", "0"},
      {"13800009999", "79"}, {"12345678", "8"},    {"123456795", "15"},
      {"1380000159", "79"},
  };
  for (const auto& c : cases) EXPECT_EQ(shoujiinfostr(c.number).value_or("<none>"), c.key) << c.number;
  EXPECT_FALSE(shoujiinfostr("1234567"));
  EXPECT_FALSE(shoujiinfostr("1380000a234"));
}

TEST(MobileInputProblem, NamesWhatIsWrong) {
  EXPECT_EQ(MobileInputProblem("").value_or(""), "请输入11位手机号码！");
  EXPECT_EQ(MobileInputProblem("1234567").value_or(""), "手机号码不足8位，无法测算，请输入完整的11位手机号码。");
  EXPECT_EQ(MobileInputProblem("ABC45678901").value_or(""), "手机号码只能由数字组成，请正确输入。");
  EXPECT_EQ(MobileInputProblem("138000012345").value_or(""), "手机号码最多11位，请正确输入。");
  EXPECT_FALSE(MobileInputProblem("12345678"));
  EXPECT_FALSE(MobileInputProblem("13800001234"));
}

TEST(LookupMobileVerdict, EveryKeyHasAWrittenVerdict) {
  for (int key = 0; key < 80; ++key) {
    const std::string number = "1380000" + std::string(key < 10 ? "000" : "00") + std::to_string(key);
    const MobileResult r = LookupMobileVerdict(number);
    ASSERT_EQ(r.status, MobileLookup::Found) << number;
    EXPECT_EQ(r.verdict.number, number);
    EXPECT_FALSE(r.verdict.title.empty()) << key;
    EXPECT_TRUE(r.verdict.grade == "吉" || r.verdict.grade == "凶" || r.verdict.grade == "吉带凶" ||
                r.verdict.grade == "凶带吉")
        << key << ": " << r.verdict.grade;
    EXPECT_GT(r.verdict.content.size(), 90u) << key;
  }
}

TEST(LookupMobileVerdict, UnreadableDatabaseFails) {
  const auto dir = std::filesystem::temp_directory_path() / "qk_num_no_db";
  std::filesystem::create_directories(dir);
  data::SetReferenceDirectory(dir);
  const MobileResult r = LookupMobileVerdict("13800001234");
  data::SetReferenceDirectory(std::nullopt);
  EXPECT_EQ(r.status, MobileLookup::Failed);
  EXPECT_EQ(r.verdict.number, "");
}

}  // namespace
}  // namespace qk::numerology
