// Registers the shell's own windows with the command table (see commands.h), so that commands
// and other windows open them by class name.
#pragma once

void registerShellWindows();
