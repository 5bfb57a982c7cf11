// Registers the purchase line dialogs with the shell (openWindow by class name).
#pragma once

void registerPurchasingLineDialogs();
