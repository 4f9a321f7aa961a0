#include "common/locale_settings.h"

#include "common/text.h"

namespace qk {

ProcessLocaleStore::ProcessLocaleStore()
    : values_{{LocaleSetting::LongDate, "yyyy'年'M'月'd'日'"},
              {LocaleSetting::ShortDate, "yyyy/M/d"},
              {LocaleSetting::TimeFormat, "H:mm:ss"},
              {LocaleSetting::DateSeparator, "/"},
              {LocaleSetting::TimeSeparator, ":"}} {}

std::optional<std::string> ProcessLocaleStore::Read(LocaleSetting setting) {
  const auto it = values_.find(setting);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool ProcessLocaleStore::Write(LocaleSetting setting, const std::string& value) {
  values_[setting] = value;
  return true;
}

ProcessLocaleStore& ProcessLocale() {
  static ProcessLocaleStore store;
  return store;
}

int ApplyStartupLocaleSettings(LocaleStore& store) {
  int written = 0;
  try {
    for (const auto& target : kStartupLocaleTargets) {
      const auto current = store.Read(target.setting);
      if (!current) return written;
      if (Trim(*current) == target.value) continue;
      if (!store.Write(target.setting, target.value)) return written;
      ++written;
    }
  } catch (...) {
    // A failing store never stops start-up.
  }
  return written;
}

}  // namespace qk
