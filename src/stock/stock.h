// Stock: stock queries and ledgers, reference lists, alarms, and the stock documents.
#pragma once

// Registers the windows of this subsystem with the command table, so that commands and other
// windows open them by class name. The program calls it once at start-up.
void registerStockWindows();

// The stock query windows: current stock with its search and average-cost dialogs, the ledger
// and the size × colour stock of one goods, the reference lists, the stock alarm and the
// monthly stock cost.
void registerStockQueryWindows();

// The stock transfer window with its picker, line dialog and history filter.
void registerStockTransfer();
// The loss and overflow window with its picker, line dialog, confirmation and history filter.
void registerStockLoss();
// The opening stock window and its entry dialog.
void registerOpeningStock();
// The stock counts: the count window with its entry and counted grid, the surplus/shortage
// wizard and the stock synchronisation.
void registerStockCountWindows();
// Bundles: the bundle window with its component picker, line dialog and history filter.
void registerBundleWindows();
