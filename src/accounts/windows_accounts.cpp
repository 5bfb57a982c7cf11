#include "accounts/accounts.h"

void registerAccountsWindows()
{
}
