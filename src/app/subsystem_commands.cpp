// Commands that open the windows of the subsystems or run their reports.
#include "app/Unt_Main.h"

namespace qk::app {

void TFrmmain::RunSubsystemCommand(CommandRef command) {
  switch (command.command) {
    default: return;
  }
}

}  // namespace qk::app
