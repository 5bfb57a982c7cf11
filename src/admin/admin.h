// Administration: roles and operators, backup and restore, closing, document query, log, maintenance and reminders.
#pragma once

// Registers the windows of this subsystem with the command table, so that commands and other
// windows open them by class name. The program calls it once at start-up.
void registerAdminWindows();
