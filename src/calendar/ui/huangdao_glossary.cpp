// The glossary under the almanac result: one term to a line, as term, blank,
// "：", explanation; two explanations run on into a second line.
#include <QStringList>

#include "calendar/ui/huangdao.h"

namespace qk::calendar::ui {

QString AlmanacGlossary() {
  static const QStringList lines{
      QStringLiteral("嫁娶 ：男娶女嫁，举行结婚大典的吉日 "),
      QStringLiteral("祭祀 ：祭拜祖先、供奉神明、叩谢天地的礼仪活动 "),
      QStringLiteral("安葬 ：为逝者举行葬礼，把棺木或骨灰下葬入土 "),
      QStringLiteral("出行 ：指外出旅行、观光游览 "),
      QStringLiteral("祈福 ：焚香祷告，向神明祈求福运、平安与心愿成就 "),
      QStringLiteral("动土 ：建筑时、第一次动起锄头挖土 "),
      QStringLiteral("安床 ：新婚或迁居时安放床铺，也指挪动床的位置 "),
      QStringLiteral("开光 ：为新塑的神像、佛像或吉祥物点睛，举行启用的仪式 "),
      QStringLiteral("纳采 ：男方请媒人带着礼物到女方家提亲 "),
      QStringLiteral("入殓 ：把逝者的遗体放进棺木 "),
      QStringLiteral("移徙 ：搬家，由旧居迁往新居 "),
      QStringLiteral("破土 ：专指营建坟墓时开始挖土，与阳宅的动土不同 "),
      QStringLiteral("解除 ：清扫宅舍、驱除灾厄，也指解除旧有的约定 "),
      QStringLiteral("入宅 ：迁入新建成或新购置的房屋居住 "),
      QStringLiteral("修造 ：修缮、营造房屋，包括整修与改建 "),
      QStringLiteral("栽种 ：播种、插秧、移栽花木等农事 "),
      QStringLiteral("开市 ：商店、工厂开张营业，或年节之后头一天开门做 "),
      QStringLiteral("      生意，也包括新店的开业典礼 "),
      QStringLiteral("移柩 ：出殡之前，把灵柩从停放的地方移出 "),
      QStringLiteral("订盟 ：订婚，男女两家订下婚约 "),
      QStringLiteral("拆卸 ：拆除旧房屋、旧墙垣等建筑 "),
      QStringLiteral("立卷 ：订立契约，签署合同或房产买卖的契据 "),
      QStringLiteral("交易 ：买卖成交，订立商业往来的约定 "),
      QStringLiteral("求嗣 ：向神明祈求早得子嗣、延续香火 "),
      QStringLiteral("上梁 ：安装房屋正中的大梁，是建房的要紧一步 "),
      QStringLiteral("纳财 ：收账、讨债、进货、购置产业等收进钱财的事 "),
      QStringLiteral("起基 ：房屋动工时开挖地基、砌筑基础 "),
      QStringLiteral("斋醮 ：设坛供奉神明、诵经礼忏，举行祈福消灾的法事， "),
      QStringLiteral("      事前要沐浴斋戒，以示虔诚 "),
      QStringLiteral("赴任 ：走马上任，今也指到新的工作岗位报到 "),
      QStringLiteral("冠笄 ：男子二十行冠礼、女子十五行笄礼，表示已经成年 "),
      QStringLiteral("安门 ：安装大门或门框 "),
      QStringLiteral("修坟 ：修整、培补坟墓 "),
      QStringLiteral("挂匾 ：悬挂招牌、匾额等牌匾 "),
  };
  return lines.join(QLatin1Char('\n'));
}

}  // namespace qk::calendar::ui
