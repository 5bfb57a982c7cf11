// Members: member records, levels and schemes, top-ups, count cards, gifts and exchanges.
#pragma once

// Registers the windows of this subsystem with the command table, so that commands and other
// windows open them by class name. The program calls it once at start-up.
void registerMembersWindows();
