// Wholesale sales: the sales bill, its returns and exchanges, lending and the sales statistics.
#pragma once

// Registers the windows of this subsystem with the command table, so that commands and other
// windows open them by class name. The program calls it once at start-up.
void registerSalesWindows();

// The sales bill window with its dialogs: save prompt, line dialog, goods picker, customer
// card and the size and colour detail viewer.
void registerSalesBill();
void registerSalesBillDialogs();

// The customer return with its picker and line dialog, the sales bill query and its search.
void registerCustomerReturn();
// The exchange with its two goods pickers and its line dialog.
void registerExchange();
// The sales statistics, the rankings, the sales and returns query and the salesman sales
// statistics, with their dialogs.
void registerSalesStatistics();
// Lending: the lending register, its filter dialog, the loan with its picker and line dialog,
// the give-back and the conversion into a sale.
void registerLending();
