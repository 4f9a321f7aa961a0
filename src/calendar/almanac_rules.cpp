#include "calendar/almanac_rules.h"

#include <array>

#include "calendar/sexagenary_tables.h"

namespace qk::calendar {
namespace {

constexpr int Mod(int a, int m) { return ((a % m) + m) % m; }

// One name for each pair of pillars, 甲子乙丑 first.
constexpr std::array<std::string_view, 30> kNaYin{
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

constexpr std::array<std::string_view, 12> kDuties{"建", "除", "满", "平", "定", "执",
                                                   "破", "危", "成", "收", "开", "闭"};

constexpr std::array<std::string_view, 12> kSpirits{"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                                    "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};
constexpr std::array<bool, 12> kYellow{true, true, false, false, true, true,
                                       false, true, false, false, true, false};

// The fetal god of each day pillar: the household object it occupies (by
// stem and branch) and where it stays, moving six days in each corner and
// five in each cardinal direction outside, sixteen days inside the room.
constexpr std::array<std::string_view, 60> kFetalGod{
    "占门碓外东南", "碓磨厕外东南", "厨灶炉外正南", "仓库门外正南", "房床栖外正南", "占门床外正南",
    "占碓磨外正南", "厨灶厕外西南", "仓库炉外西南", "房床门外西南", "门鸡栖外西南", "碓磨床外西南",
    "厨灶碓外西南", "仓库厕外正西", "房床炉外正西", "占大门外正西", "碓磨栖外正西", "厨灶床外正西",
    "仓库碓外西北", "房床厕外西北", "占门炉外西北", "碓磨门外西北", "厨灶栖外西北", "仓库床外西北",
    "房床碓外正北", "占门厕外正北", "碓磨炉外正北", "厨灶门外正北", "仓库栖外正北", "占房床房内北",
    "占门碓房内北", "碓磨厕房内北", "厨灶炉房内北", "仓库门房内北", "房床栖房内中", "占门床房内中",
    "占碓磨房内南", "厨灶厕房内南", "仓库炉房内南", "房床门房内南", "门鸡栖房内东", "碓磨床房内东",
    "厨灶碓房内东", "仓库厕房内东", "房床炉房内东", "占大门外东北", "碓磨栖外东北", "厨灶床外东北",
    "仓库碓外东北", "房床厕外东北", "占门炉外东北", "碓磨门外正东", "厨灶栖外正东", "仓库床外正东",
    "房床碓外正东", "占门厕外正东", "碓磨炉外东南", "厨灶门外东南", "仓库栖外东南", "占房床外东南"};

constexpr std::array<std::string_view, 10> kPengZuStem{
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃", "丁不剃头头必生疮", "戊不受田田主不祥",
    "己不破券二比并亡", "庚不经络织机虚张", "辛不合酱主人不尝", "壬不泱水更难提防", "癸不词讼理弱敌强"};
constexpr std::array<std::string_view, 12> kPengZuBranch{
    "子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝", "卯不穿井水泉不香",
    "辰不哭泣必主重丧", "巳不远行财物伏藏", "午不苫盖屋主更张", "未不服药毒气入肠",
    "申不安床鬼祟入房", "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};

// 煞 by the day branch's triad: 申子辰 south, 巳酉丑 east, 寅午戌 north, 亥卯未 west.
constexpr std::array<std::string_view, 12> kShaDirection{"南", "东", "北", "西", "南", "东",
                                                         "北", "西", "南", "东", "北", "西"};

}  // namespace

int PillarOf(int stem, int branch) {
  stem = Mod(stem, 10);
  branch = Mod(branch, 12);
  if (stem % 2 != branch % 2) return -1;
  return Mod(6 * stem - 5 * branch, 60);
}

std::string PillarName(int pillar) {
  pillar = Mod(pillar, 60);
  return std::string(StemNames[StemOfPillar(pillar)]) + std::string(BranchNames[BranchOfPillar(pillar)]);
}

std::string_view NaYin(int pillar) { return kNaYin[Mod(pillar, 60) / 2]; }

int DutyOfDay(int monthBranch, int dayBranch) { return Mod(dayBranch - monthBranch, 12); }
std::string_view DutyName(int duty) { return kDuties[Mod(duty, 12)]; }

// 青龙 stands on 子 in the 寅 and 申 months (or days) and moves two branches
// on with each following one: 卯酉 寅, 辰戌 辰, 巳亥 午, 午子 申, 未丑 戌.
int SpiritOf(int ruleBranch, int branch) {
  const int qinglong = Mod(ruleBranch - 2, 6) * 2;
  return Mod(branch - qinglong, 12);
}
std::string_view SpiritName(int spirit) { return kSpirits[Mod(spirit, 12)]; }
bool IsYellowPath(int spirit) { return kYellow[Mod(spirit, 12)]; }

std::string_view FetalGodPlace(int dayPillar) { return kFetalGod[Mod(dayPillar, 60)]; }

// The clashing pillar: the stem this day's stem overcomes (four on) and the
// opposite branch (six on).
std::string ClashText(int dayPillar) {
  const int stem = StemOfPillar(Mod(dayPillar, 60));
  const int branch = BranchOfPillar(Mod(dayPillar, 60));
  const int clash = PillarOf(stem + 4, branch + 6);
  return "冲" + std::string(ZodiacAnimals[BranchOfPillar(clash)]) + "(" + PillarName(clash) + ")煞" +
         std::string(kShaDirection[branch]);
}

std::string PengZuTaboos(int dayPillar) {
  const int pillar = Mod(dayPillar, 60);
  return std::string(kPengZuStem[StemOfPillar(pillar)]) + " " +
         std::string(kPengZuBranch[BranchOfPillar(pillar)]);
}

}  // namespace qk::calendar
