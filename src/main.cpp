// The program: one copy at a time, the splash, the hidden main window and the data module,
// then the event loop until the main window ends the program. The shell links no subsystem:
// each subsystem's windows are registered here, before the program starts.
#include "accounts/accounts.h"
#include "admin/admin.h"
#include "masterdata/masterdata.h"
#include "members/members.h"
#include "pos/pos.h"
#include "purchasing/purchasing.h"
#include "sales/sales.h"
#include "shell/startup.h"
#include "stock/stock.h"

int main(int argc, char** argv)
{
    registerMasterdataWindows();
    registerPurchasingWindows();
    registerStockWindows();
    registerSalesWindows();
    registerAccountsWindows();
    registerAdminWindows();
    registerMembersWindows();
    registerPosWindows();
    return runProgram(argc, argv);
}
