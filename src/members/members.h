// Members: member records, levels and schemes, top-ups, count cards, gifts and exchanges.
#pragma once

// Registers the windows of this subsystem with the command table, so that commands and other
// windows open them by class name. The program calls it once at start-up.
void registerMembersWindows();
// The gift windows, the points exchange and the member import (called from the above).
void registerGiftAndImportWindows();

// The member-card settings with the level and scheme dialogs, the count-card top-up with its
// item dialogs, and the advanced search.
void registerMemberSettingsWindows();
