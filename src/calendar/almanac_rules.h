#pragma once
// Fixed almanac rules of one day: na-yin, the twelve day officers (建除十二值),
// the twelve day spirits of the yellow and black paths (黄道/黑道), the fetal
// god's place, the clash and the Peng Zu taboos. A pillar is its sexagenary
// number, 0 = 甲子 … 59 = 癸亥; branches count from 子 = 0.
#include <string>
#include <string_view>

namespace qk::calendar {

inline int StemOfPillar(int pillar) { return pillar % 10; }
inline int BranchOfPillar(int pillar) { return pillar % 12; }
// The pillar with this stem and branch; -1 when their parities differ.
int PillarOf(int stem, int branch);
// "甲子".
std::string PillarName(int pillar);

// "海中金".
std::string_view NaYin(int pillar);

// 0 = 建 … 11 = 闭: the day whose branch is the month branch is 建.
int DutyOfDay(int monthBranch, int dayBranch);
std::string_view DutyName(int duty);

// 0 = 青龙 … 11 = 勾陈. The day spirit follows the month branch; the hour
// spirit follows the day branch by the same rule.
int SpiritOf(int ruleBranch, int branch);
std::string_view SpiritName(int spirit);
bool IsYellowPath(int spirit);

// "占门碓外东南".
std::string_view FetalGodPlace(int dayPillar);
// "冲马(戊午)煞南".
std::string ClashText(int dayPillar);
// "甲不开仓财物耗散 子不问卜自惹祸殃".
std::string PengZuTaboos(int dayPillar);

}  // namespace qk::calendar
