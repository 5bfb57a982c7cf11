#include "masterdata/ckgl.h"
#include "masterdata/ckgl_add.h"
#include "masterdata/ckgl_modi.h"
#include "masterdata/ckgl_search.h"
#include "masterdata/djbz.h"
#include "masterdata/djbz_add.h"
#include "masterdata/fkfs.h"
#include "masterdata/fkfs_add.h"
#include "masterdata/masterdata.h"
#include "masterdata/user.h"
#include "masterdata/user2.h"
#include "masterdata/user_add.h"
#include "masterdata/user_modi.h"
#include "masterdata/user_search.h"
#include "shell/commands.h"

void registerStaffWindows()
{
    registerForm(QStringLiteral("TF_User"), F_User);
    registerForm(QStringLiteral("TF_User_Add"), F_User_Add);
    registerForm(QStringLiteral("TF_User_Modi"), F_User_Modi);
    registerForm(QStringLiteral("TF_User_Search"), F_User_Search);
    registerForm(QStringLiteral("TF_User2"), F_User2);
    registerForm(QStringLiteral("TF_Ckgl"), F_Ckgl);
    registerForm(QStringLiteral("TF_Ckgl_Add"), F_Ckgl_Add);
    registerForm(QStringLiteral("TF_Ckgl_Modi"), F_Ckgl_Modi);
    registerForm(QStringLiteral("TF_Ckgl_Search"), F_Ckgl_Search);
    registerForm(QStringLiteral("TF_Fkfs"), F_Fkfs);
    registerForm(QStringLiteral("TF_Fkfs_Add"), F_Fkfs_Add);
    registerForm(QStringLiteral("TF_Djbz"), F_Djbz);
    registerForm(QStringLiteral("TF_Djbz_Add"), F_Djbz_Add);
}
