// Accounts: receivables and payables, money accounts, statements, expenses and the financial statements.
#pragma once

// Registers the windows of this subsystem with the command table, so that commands and other
// windows open them by class name. The program calls it once at start-up.
void registerAccountsWindows();

// The receivables, payables, receipts and payments registers.
void registerPartyRegisters();
// The receivables and payables statements.
void registerPartyStatements();
// The supplier and customer account windows.
void registerAccountWindows();
// The money accounts, cash and bank, expenses and income windows.
void registerMoneyWindows();
// The financial statements, fixed assets and the business analysis.
void registerFinanceWindows();
