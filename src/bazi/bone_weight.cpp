#include "bazi/bone_weight.h"

#include <cstdio>
#include <cstdlib>

#include "data/reference_db.h"

namespace qk::bazi {
namespace {

// Adds the weight of one part; false when the table cannot be read.
bool AddWeight(std::string_view sql, std::string_view key, double& total) {
  const data::Rows rows = data::QueryFirst(data::RefDb::Dream, sql, {std::string(key)});
  if (rows.failed()) return false;
  if (rows.ok()) total += std::strtod(rows.Text(0).c_str(), nullptr);
  return true;
}

}  // namespace

std::string BoneWeightKey(double total) {
  char text[64];
  std::snprintf(text, sizeof text, "%.15g", total);
  const std::string shortest = text;
  if (shortest.size() == 1) return shortest + "0";
  if (shortest.size() < 3) return shortest;
  return std::string{shortest[0], shortest[2]};
}

std::optional<BoneWeightReading> ReadBoneWeight(std::string_view lunarYear, std::string_view lunarMonth,
                                                std::string_view lunarDay, std::string_view hour) {
  double total = 0.0;
  if (!AddWeight("select weight from chenggu1 where year = ? limit 1", lunarYear, total) ||
      !AddWeight("select weight from chenggu2 where month2 = ? limit 1", lunarMonth, total) ||
      !AddWeight("select weight from chenggu3 where day2 = ? limit 1", lunarDay, total) ||
      !AddWeight("select weight from chenggu4 where time = ? limit 1", hour, total))
    return std::nullopt;

  const std::string key = BoneWeightKey(total);
  const data::Rows verse =
      data::QueryFirst(data::RefDb::Dream, "select content, content2 from chenggu where weight = ? limit 1", {key});
  if (verse.failed()) return std::nullopt;
  BoneWeightReading reading;
  if (!verse.ok() || key.size() != 2) return reading;
  reading.weightLine = std::string("你的骨重为：") + key[0] + "两";
  if (key[1] != '0') reading.weightLine += std::string(1, key[1]) + "钱";
  reading.verseLine = "骨重诗评：" + verse.Text(0);
  reading.commentaryLine = "骨重解评：" + verse.Text(1);
  return reading;
}

std::optional<std::string> BoneWeightText(std::string_view lunarYear, std::string_view lunarMonth,
                                          std::string_view lunarDay, std::string_view hour, BoneWeightMode mode) {
  const auto reading = ReadBoneWeight(lunarYear, lunarMonth, lunarDay, hour);
  if (!reading) return std::nullopt;
  switch (mode) {
    case BoneWeightMode::Weight: return reading->weightLine;
    case BoneWeightMode::Verse: return reading->verseLine;
    case BoneWeightMode::Commentary: return reading->commentaryLine;
  }
  return std::string();
}

}  // namespace qk::bazi
