#include "admin/admin.h"

#include "admin/adminlist.h"
#include "admin/backup.h"
#include "admin/djcx.h"
#include "admin/fdexport.h"
#include "admin/fdsz.h"
#include "admin/nzjs.h"
#include "admin/role.h"
#include "admin/sjql.h"
#include "admin/sjtx.h"
#include "admin/viewlog.h"
#include "admin/xtwh.h"
#include "shell/commands.h"

void registerAdminWindows()
{
    registerForm(QStringLiteral("TF_Role"), F_Role);
    registerForm(QStringLiteral("TF_Admin"), F_Admin);
    registerForm(QStringLiteral("TF_Backup"), F_Backup);
    registerForm(QStringLiteral("TF_Backup2"), F_Backup2);
    registerForm(QStringLiteral("TF_ViewLog"), F_ViewLog);
    registerForm(QStringLiteral("TF_Xtwh"), F_Xtwh);
    registerForm(QStringLiteral("TF_Bbsj"), F_Bbsj);
    registerForm(QStringLiteral("TF_Sjtx"), F_Sjtx);
    registerForm(QStringLiteral("TF_Djcx"), F_Djcx);
    registerForm(QStringLiteral("TF_Nzjs"), F_Nzjs);
    registerForm(QStringLiteral("TF_Sjql"), F_Sjql);
    registerForm(QStringLiteral("TF_Fdsz"), F_Fdsz);
    registerForm(QStringLiteral("TF_FdExport"), F_FdExport);
}
