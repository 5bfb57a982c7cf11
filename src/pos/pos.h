// The POS till: the till window with its dialogs, held sales, returns, keys and receipt settings.
#pragma once

// Registers the till's windows with the command table (the command 前台收银 opens TF_Posxs).
void registerPosWindows();
