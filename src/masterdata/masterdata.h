// Master data: goods and categories, sizes, colours and their groups, units, brands and named
// prices; suppliers and customers with their types and zones; staff, warehouses, payment
// methods and bill remarks.
#pragma once

// Registers the master-data windows with the command table, so that commands and other
// windows open them by class name. The program calls it once at start-up.
void registerMasterdataWindows();

// The parts of the registration, each kept beside its windows.
void registerGoodsListWindows();
void registerGoodsWindows();
void registerSizeColorWindows();
void registerPartnerWindows();
void registerStaffWindows();
// Price adjustment, cost correction, contact logs, salesmen and contracts.
void registerPriceAndSalesmanWindows();
void registerImportAndBarcodeWindows();  // the Excel imports, variant barcodes and labels
