#include "shell/shellwindows.h"

#include "shell/bqjl.h"
#include "shell/commands.h"
#include "shell/guide.h"
#include "shell/login.h"
#include "shell/mryt.h"
#include "shell/rjbz.h"
#include "shell/skin.h"
#include "shell/xtcs.h"
#include "shell/xtsd.h"

namespace {

template <class T>
void shellWindow(const char* windowClass, T*& global)
{
    registerWindow(QString::fromLatin1(windowClass), [&global](const QString& caption) {
        T* form = ensureForm(global);
        if (!caption.isEmpty())
            form->setWindowTitle(caption);
        form->showModalForm();
    });
}

}  // namespace

void registerShellWindows()
{
    shellWindow("TF_Login", F_Login);
    shellWindow("TF_Xtcs", F_Xtcs);
    shellWindow("TF_Xtsd", F_Xtsd);
    shellWindow("TF_PwdModi", F_PwdModi);
    shellWindow("TF_Guide", F_Guide);
    shellWindow("TF_Skin", F_Skin);
    shellWindow("TF_Mryt", F_Mryt);
    shellWindow("TF_Bqjl", F_Bqjl);
    shellWindow("TF_Rjbz", F_Rjbz);
    shellWindow("TF_About", F_About);
}
