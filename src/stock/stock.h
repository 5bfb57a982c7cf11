// Stock: stock queries and ledgers, reference lists, alarms, and the stock documents.
#pragma once

// Registers the windows of this subsystem with the command table, so that commands and other
// windows open them by class name. The program calls it once at start-up.
void registerStockWindows();

// The stock query windows: current stock with its search and average-cost dialogs, the ledger
// and the size × colour stock of one goods, the reference lists, the stock alarm and the
// monthly stock cost.
void registerStockQueryWindows();
