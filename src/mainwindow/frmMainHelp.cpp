#include "HelpCommand.h"
#include "frmMain.h"

void frmMain::cmdHelp_Click() {
    HelpCommand::of(*this, platform).run();
}
