// Commands that open the windows of the subsystems or run their reports.
#include "app/Unt_Main.h"
#include "calendar/ui/DateWin.h"

namespace qk::app {

void TFrmmain::RunSubsystemCommand(CommandRef command) {
  switch (command.command) {
    case Command::Calendar: OpenModal(command.command, std::make_unique<TFRM_Date>(this)); return;
    default: return;
  }
}

}  // namespace qk::app
