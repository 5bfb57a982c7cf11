#include "admin/admin.h"

void registerAdminWindows()
{
}
