#pragma once
// The five date/time settings the program fixes at start so that the dates it
// builds from its input boxes read as year-month-day. They live in a store of
// our own for this process: a desktop program has no business rewriting the
// date format of every user of the machine.
#include <array>
#include <map>
#include <optional>
#include <string>

namespace qk {

enum class LocaleSetting { LongDate, ShortDate, TimeFormat, DateSeparator, TimeSeparator };

struct LocaleTarget {
  LocaleSetting setting;
  const char* value;
};

// In the order they are checked and written.
inline constexpr std::array<LocaleTarget, 5> kStartupLocaleTargets{{
    {LocaleSetting::LongDate, "yyyy'年'M'月'd'日'"},
    {LocaleSetting::ShortDate, "yyyy-MM-dd"},
    {LocaleSetting::TimeFormat, "H:mm:ss"},
    {LocaleSetting::DateSeparator, "-"},
    {LocaleSetting::TimeSeparator, ":"},
}};

class LocaleStore {
 public:
  virtual ~LocaleStore() = default;
  // nullopt when the value cannot be read.
  virtual std::optional<std::string> Read(LocaleSetting setting) = 0;
  // false when the value cannot be written.
  virtual bool Write(LocaleSetting setting, const std::string& value) = 0;
};

// The settings of this process, starting from the usual Chinese defaults.
class ProcessLocaleStore final : public LocaleStore {
 public:
  ProcessLocaleStore();
  std::optional<std::string> Read(LocaleSetting setting) override;
  bool Write(LocaleSetting setting, const std::string& value) override;

 private:
  std::map<LocaleSetting, std::string> values_;
};

ProcessLocaleStore& ProcessLocale();

// Compares each target with the trimmed current value and writes it only where
// they differ, in table order. The first failure ends the step quietly.
// Returns the number of values written.
int ApplyStartupLocaleSettings(LocaleStore& store);

}  // namespace qk
