// Commands that open the windows of the subsystems or run their reports.
#include "app/Unt_Main.h"
#include "bazi/bazi_report.h"
#include "calendar/ui/DateWin.h"
#include "calendar/ui/huangdao.h"
#include "common/day_count.h"
#include "divination/ui/Jinqiangua.h"
#include "divination/ui/UntOnther.h"
#include "divination/ui/Untabt.h"
#include "fengshui/fengshui_report.h"
#include "library/ui/ImageInfo.h"
#include "library/ui/UntNote.h"
#include "numerology/ui/UntQQ.h"
#include "numerology/ui/UntWangm.h"
#include "numerology/ui/Unt_sjcs.h"
#include "numerology/ui/Untonteher.h"

namespace qk::app {

void TFrmmain::CreateStartupWindows() {
  // The coin-hexagram window is made at start, hidden; 每日一卦 replaces it.
  modalSlots_[Command::DailyGua] = std::make_unique<TFrmQigua>(this);
}

void TFrmmain::RunSubsystemCommand(CommandRef command) {
  const Command kind = command.command;
  switch (kind) {
    case Command::BaziReport: ShowOutcome(qk::bazi::BaziReport(ReadPanel(), TodayLocal())); return;
    case Command::FengshuiReport: ShowOutcome(qk::FengshuiReport(ReadPanel(), TodayLocal(), 0)); return;
    case Command::XuankongReport: ShowOutcome(qk::FengshuiReport(ReadPanel(), TodayLocal(), 1)); return;
    case Command::DailyGua: OpenModal(kind, std::make_unique<TFrmQigua>(this)); return;
    case Command::Calendar: OpenModal(kind, std::make_unique<TFRM_Date>(this)); return;
    case Command::QQNumber: OpenModal(kind, std::make_unique<TFrmQQhm>(this)); return;
    case Command::AnyNumber: OpenModal(kind, std::make_unique<TFrm_onther>(this)); return;
    case Command::Mobile: OpenModal(kind, std::make_unique<TFrm_SJcs>(this)); return;
    case Command::NetName: OpenModal(kind, std::make_unique<TFrmWangming>(this)); return;
    case Command::Gender: OpenModal(kind, std::make_unique<TFrm_NanNv>(this)); return;
    case Command::Almanac: qk::calendar::ui::ShowHuangdaoWindow(this); return;
    case Command::Omen: qk::divination::ui::OpenOmenWindow(command.argument, this); return;
    case Command::Article: qk::library::ui::OpenArticle(QStringLiteral("c%1").arg(command.argument)); return;
    case Command::PictureArticle:
      qk::library::ui::OpenPictureArticle(
          command.argument, QString::fromUtf8(command.caption.data(), static_cast<qsizetype>(command.caption.size())));
      return;
    default: return;
  }
}

}  // namespace qk::app
