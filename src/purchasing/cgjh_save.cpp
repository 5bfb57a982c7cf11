#include "purchasing/cgjh_save.h"

#include "data/globals.h"
#include "purchasing/cgjh_ghs.h"
#include "purchasing/purchasing.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TF_Cgjh_Save* F_Cgjh_Save = nullptr;

TF_Cgjh_Save::TF_Cgjh_Save(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Cgjh_Save"));
    setWindowTitle(QStringLiteral("保存提示"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto* col = new QVBoxLayout(this);
    col->addWidget(new QLabel(QStringLiteral("说明："), this));
    col->addWidget(new QLabel(QStringLiteral("1.已审核状态单据保存后，不允许再修改"), this));
    col->addWidget(new QLabel(QStringLiteral("2.未审核状态的单据不影响库存量和账务，允许修改。"), this));

    auto* group = new QGroupBox(QStringLiteral("设置单据状态"), this);
    rbChecked = new QRadioButton(QStringLiteral("已审核状态"), group);
    rbChecked->setObjectName(QStringLiteral("rbChecked"));
    rbChecked->setChecked(true);
    rbNoChecked = new QRadioButton(QStringLiteral("未审核状态"), group);
    rbNoChecked->setObjectName(QStringLiteral("rbNoChecked"));
    auto* states = new QHBoxLayout(group);
    states->addWidget(rbChecked);
    states->addWidget(rbNoChecked);
    col->addWidget(group);

    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("取消(Esc)"));
    col->addLayout(buttonRow({btnOK, btnExit}));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { btnExitClick(); });
}

void TF_Cgjh_Save::btnOKClick()
{
    saveChoice = 2;
    if (rbChecked->isChecked()) {
        if (msgYesNo(QStringLiteral("单据保存后不能再修改，是否确认保存！\r\n\r\n管理员可以在往来账目中整单删除错误的数据！"
                                    "\r\n\r\n或者在系统设置中启用单据审核功能！"),
                     this))
            saveChoice = 1;
    } else if (msgYesNo(QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的采购单，"
                                       "可以在“待审核采\r\n\r\n购单(订单)”面板中，进行修改及审核操作！"),
                        this)) {
        saveChoice = 0;
    }
    accept();
}

void TF_Cgjh_Save::btnExitClick()
{
    reject();
}

void TF_Cgjh_Save::FormClose()
{
    // Cancel, Esc and the title bar all mean "not saved".
    if (result() != Accepted)
        saveChoice = 2;
}

void registerPurchasingReceiptDialogs()
{
    registerForm(QStringLiteral("TF_Cgjh_Save"), F_Cgjh_Save);
    registerForm(QStringLiteral("TF_Cgjh_Ghs"), F_Cgjh_Ghs);
}
