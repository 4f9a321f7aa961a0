#include "common/locale_settings.h"

#include <gtest/gtest.h>

namespace qk {
namespace {

class FakeStore : public LocaleStore {
 public:
  std::map<LocaleSetting, std::string> values;
  std::vector<LocaleSetting> writes;
  std::optional<LocaleSetting> failRead, failWrite;

  std::optional<std::string> Read(LocaleSetting s) override {
    if (failRead == s) return std::nullopt;
    return values[s];
  }
  bool Write(LocaleSetting s, const std::string& v) override {
    if (failWrite == s) return false;
    writes.push_back(s);
    values[s] = v;
    return true;
  }
};

FakeStore TargetValues() {
  FakeStore store;
  for (const auto& t : kStartupLocaleTargets) store.values[t.setting] = t.value;
  return store;
}

TEST(StartupLocale, AlreadyEqualWritesNothing) {
  FakeStore store = TargetValues();
  EXPECT_EQ(ApplyStartupLocaleSettings(store), 0);
  EXPECT_TRUE(store.writes.empty());
}

TEST(StartupLocale, BlanksAroundAnEqualValueAreNotRewritten) {
  FakeStore store = TargetValues();
  store.values[LocaleSetting::ShortDate] = "  yyyy-MM-dd ";
  EXPECT_EQ(ApplyStartupLocaleSettings(store), 0);
}

TEST(StartupLocale, DifferentValuesAreWrittenInTableOrder) {
  FakeStore store = TargetValues();
  store.values[LocaleSetting::TimeSeparator] = ".";
  store.values[LocaleSetting::ShortDate] = "yyyy/M/d";
  store.values[LocaleSetting::TimeFormat] = "h:mm:ss";  // case matters
  EXPECT_EQ(ApplyStartupLocaleSettings(store), 3);
  EXPECT_EQ(store.writes, (std::vector<LocaleSetting>{LocaleSetting::ShortDate, LocaleSetting::TimeFormat,
                                                      LocaleSetting::TimeSeparator}));
  EXPECT_EQ(store.values[LocaleSetting::ShortDate], "yyyy-MM-dd");
}

TEST(StartupLocale, AFailureSkipsTheRestQuietly) {
  FakeStore store = TargetValues();
  store.values[LocaleSetting::ShortDate] = "yyyy/M/d";
  store.values[LocaleSetting::DateSeparator] = "/";
  store.failWrite = LocaleSetting::ShortDate;
  EXPECT_EQ(ApplyStartupLocaleSettings(store), 0);
  EXPECT_EQ(store.values[LocaleSetting::DateSeparator], "/");

  FakeStore unreadable = TargetValues();
  unreadable.values[LocaleSetting::TimeSeparator] = ".";
  unreadable.failRead = LocaleSetting::LongDate;
  EXPECT_EQ(ApplyStartupLocaleSettings(unreadable), 0);
}

TEST(StartupLocale, ProcessStoreEndsWithTheTargets) {
  ProcessLocaleStore store;
  EXPECT_EQ(ApplyStartupLocaleSettings(store), 2);  // short date and date separator differ at first
  for (const auto& t : kStartupLocaleTargets) EXPECT_EQ(store.Read(t.setting), t.value);
  EXPECT_EQ(ApplyStartupLocaleSettings(store), 0);
}

}  // namespace
}  // namespace qk
