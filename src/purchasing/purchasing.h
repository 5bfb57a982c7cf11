// Purchasing: the purchase receipt and the dialogs it opens.
#pragma once

// Registers the purchasing windows with the command table, so that commands and other windows
// open them by class name. The program calls it once at start-up.
void registerPurchasingWindows();

// The parts of the registration, each kept beside its windows.
void registerPurchasingLineDialogs();
// The receipt's save prompt and supplier card.
void registerPurchasingReceiptDialogs();
void registerPurchasingPickers();
void registerPurchasingReceipt();
// The audit of held receipts and the receipt import.
void registerPurchasingPendingDialogs();
// The purchase return with its picker, line dialog, partner card and receipt query.
void registerPurchasingReturn();
// The purchase document query, the purchase statistics and their search and filter dialogs.
void registerPurchasingQueries();
