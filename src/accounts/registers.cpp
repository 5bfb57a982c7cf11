#include "accounts/registers.h"

#include "accounts/accounts.h"
#include "shell/commands.h"

namespace {

RegisterSpec spec(PartySide side, bool settlement, const char* kind, const char* form, const char* caption,
                  const char* amountColumn, const char* accountColumn, const char* deleteQuestion,
                  const char* reportTitle, const char* addCaption, const char* modiCaption, const char* amountCaption,
                  const char* accountCaption)
{
    const QString f = QString::fromUtf8(form);
    return {.side = side,
            .settlement = settlement,
            .kind = QString::fromUtf8(kind),
            .formName = f,
            .caption = QString::fromUtf8(caption),
            .amountColumn = QString::fromUtf8(amountColumn),
            .accountColumn = QString::fromUtf8(accountColumn),
            .deleteQuestion = QString::fromUtf8(deleteQuestion),
            .reportTitle = QString::fromUtf8(reportTitle),
            .dialogName = f + QStringLiteral("_Sele"),
            .addCaption = QString::fromUtf8(addCaption),
            .modiCaption = QString::fromUtf8(modiCaption),
            .amountCaption = QString::fromUtf8(amountCaption),
            .accountCaption = QString::fromUtf8(accountCaption)};
}

RegisterSpec yskdjSpec()
{
    return spec(PartySide::Customer, false, "YS", "F_Yskdj", "应收款登记", "应收金额",
                "", "您确定要删除该应收款信息吗！", "应收款登记表", "增加应收款",
                "修改应收款", "应收金额：", "");
}

RegisterSpec yfkdjSpec()
{
    return spec(PartySide::Supplier, false, "YF", "F_Yfkdj", "应付款登记", "应付金额",
                "", "您确定要删除该应付款信息吗！", "应付款登记表", "增加应付款",
                "修改应付款", "应付金额：", "");
}

RegisterSpec yskskSpec()
{
    return spec(PartySide::Customer, true, "SK", "F_Ysksk", "收款登记", "收款金额",
                "收款方式", "您确定要删除该应收款信息吗！", "收款登记表", "增加收款",
                "修改收款", "应收金额：", "收款账户：");
}

RegisterSpec yfkfkSpec()
{
    return spec(PartySide::Supplier, true, "FK", "F_Yfkfk", "付款登记", "付款金额",
                "付款方式", "您确定要删除该付款信息吗！", "付款登记表", "增加付款",
                "修改付款", "付收金额：", "付款账户：");
}

}  // namespace

TF_Yskdj* F_Yskdj = nullptr;
TF_Yskdj_Sele* F_Yskdj_Sele = nullptr;
TF_Yskdj_Sele::TF_Yskdj_Sele(QWidget* parent) : TF_PartyEntryDialog(yskdjSpec(), parent) {}
TF_Yskdj::TF_Yskdj(QWidget* parent) : TF_PartyRegister(yskdjSpec(), parent) {}
TF_PartyEntryDialog* TF_Yskdj::entryDialog()
{
    return ensureForm(F_Yskdj_Sele);
}

TF_Yfkdj* F_Yfkdj = nullptr;
TF_Yfkdj_Sele* F_Yfkdj_Sele = nullptr;
TF_Yfkdj_Sele::TF_Yfkdj_Sele(QWidget* parent) : TF_PartyEntryDialog(yfkdjSpec(), parent) {}
TF_Yfkdj::TF_Yfkdj(QWidget* parent) : TF_PartyRegister(yfkdjSpec(), parent) {}
TF_PartyEntryDialog* TF_Yfkdj::entryDialog()
{
    return ensureForm(F_Yfkdj_Sele);
}

TF_Ysksk* F_Ysksk = nullptr;
TF_Ysksk_Sele* F_Ysksk_Sele = nullptr;
TF_Ysksk_Sele::TF_Ysksk_Sele(QWidget* parent) : TF_PartyEntryDialog(yskskSpec(), parent) {}
TF_Ysksk::TF_Ysksk(QWidget* parent) : TF_PartyRegister(yskskSpec(), parent) {}
TF_PartyEntryDialog* TF_Ysksk::entryDialog()
{
    return ensureForm(F_Ysksk_Sele);
}

TF_Yfkfk* F_Yfkfk = nullptr;
TF_Yfkfk_Sele* F_Yfkfk_Sele = nullptr;
TF_Yfkfk_Sele::TF_Yfkfk_Sele(QWidget* parent) : TF_PartyEntryDialog(yfkfkSpec(), parent) {}
TF_Yfkfk::TF_Yfkfk(QWidget* parent) : TF_PartyRegister(yfkfkSpec(), parent) {}
TF_PartyEntryDialog* TF_Yfkfk::entryDialog()
{
    return ensureForm(F_Yfkfk_Sele);
}

void registerPartyRegisters()
{
    registerForm(QStringLiteral("TF_Yskdj"), F_Yskdj);
    registerForm(QStringLiteral("TF_Yfkdj"), F_Yfkdj);
    registerForm(QStringLiteral("TF_Ysksk"), F_Ysksk);
    registerForm(QStringLiteral("TF_Yfkfk"), F_Yfkfk);
}
