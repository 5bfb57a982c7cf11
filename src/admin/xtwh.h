// "系统维护": the administration commands in one panel of buttons, each with its own gate.
#pragma once

#include "platform/form.h"

class QPushButton;
class QToolButton;

class TF_Xtwh : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Xtwh(QWidget* parent = nullptr);

    QToolButton* btnFd = nullptr;  // the branch menu ("分店管理")
};

// A gate of the maintenance window's buttons: a right of the layout (column and position) or,
// with an empty column, the administrator role. True when the command may go on; otherwise
// the refusal has been shown.
bool passGate(const QString& column, int position, const QString& refusalName, QWidget* parent);

// "报表设计": one button per print template, each opening the designer on its file.
class TF_Bbsj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Bbsj(QWidget* parent = nullptr);
    // Opens the designer on report/<fileName> with the shared print dataset.
    void designTemplate(const QString& fileName);
};

extern TF_Xtwh* F_Xtwh;
extern TF_Bbsj* F_Bbsj;
