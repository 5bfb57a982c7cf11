#include "accounts/accounts.h"

void registerAccountsWindows()
{
    registerPartyRegisters();
    registerPartyStatements();
    registerMoneyWindows();
    registerFinanceWindows();
    registerAccountWindows();
}
