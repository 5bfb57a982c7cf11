#include "purchasing/cgjh_check.h"

#include "data/datamodule.h"
#include "data/values.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "purchasing/cgjh_import.h"
#include "purchasing/cgjhpending.h"
#include "purchasing/purchasing.h"
#include "shell/commands.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TF_Cgjh_Check* F_Cgjh_Check = nullptr;

namespace {

QLabel* valueLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

TF_Cgjh_Check::TF_Cgjh_Check(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Cgjh_Check"));
    setWindowTitle(QStringLiteral("单据审核确认"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    lbDjh = valueLabel("lbDjh");
    lbGhs = valueLabel("lbGhs");
    lbRq = valueLabel("lbRq");
    lbCk = valueLabel("lbCk");
    lbUser = valueLabel("lbUser");
    lbOperator = valueLabel("lbOperator");
    lbYfje = valueLabel("lbYfje");
    lbSn2 = valueLabel("lbSn2");
    tsfje = new QLineEdit;
    tsfje->setObjectName(QStringLiteral("tsfje"));
    tsfje->setMaxLength(9);
    tsfje->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*(\\.\\d{0,2})?")), tsfje));
    comJsfs = new QComboBox;
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    tnote = new QPlainTextEdit;
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setMaximumHeight(70);

    auto* group = new QGroupBox(QStringLiteral("待审核单据信息"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const auto& [text, widget] : {std::pair<const char*, QWidget*>{"单据编号：", lbDjh}, {"供  货  商：", lbGhs},
                                       {"开单日期：", lbRq}, {"仓库名称：", lbCk}, {"经  办  人：", lbUser},
                                       {"操  作  员：", lbOperator}, {"应付金额：", lbYfje}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(text)), row, 0);
        grid->addWidget(widget, row++, 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("实付金额：")), row, 0);
    auto* paidRow = new QHBoxLayout;
    paidRow->addWidget(tsfje, 1);
    paidRow->addWidget(new QLabel(QStringLiteral("元")));
    grid->addLayout(paidRow, row++, 1);
    for (const auto& [text, widget] : {std::pair<const char*, QWidget*>{"原始单号：", lbSn2}, {"结算方式：", comJsfs},
                                       {"单据备注：", tnote}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(text)), row, 0);
        grid->addWidget(widget, row++, 1);
    }

    btnOK = namedButton(this, "btnOK", QStringLiteral("审核通过(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("取消(Esc)"));
    auto* col = new QVBoxLayout(this);
    col->addWidget(group);
    col->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Cgjh_Check::FormActivate()
{
    const NamedQuery* q = DataModule->Q_Shdj;
    auto field = [q](const char* name) { return q->fieldByName(QLatin1String(name)); };
    lbDjh->setText(field("gl_djh"));
    lbGhs->setText(field("ghs_name"));
    lbRq->setText(field("sh_rq"));
    lbCk->setText(field("ck_name"));
    lbUser->setText(field("u_name"));
    lbOperator->setText(field("a_name"));
    lbYfje->setText(field("sh_yfje"));
    tsfje->setText(field("sh_sfje"));
    lbSn2->setText(field("gl_djh2"));
    tnote->setPlainText(field("sh_note"));
    fillJsfsCombo(comJsfs, QStringLiteral("cg"));
    comJsfs->setCurrentIndex(field("sh_th").toInt() == 1 ? 1 : 0);
}

bool TF_Cgjh_Check::saveCheckedValueTab2()
{
    bool ok = false;
    const Money paid = Money::fromText(tsfje->text().trimmed(), &ok);
    if (!ok || tsfje->text().trimmed().isEmpty()) {
        msgInfo(QStringLiteral("实付金额不是有效的数字，请重新输入！"), this);
        return false;
    }
    auditCgjh({.djh = lbDjh->text(),
               .paid = paid,
               .mode = comJsfs->currentIndex() == 1 ? CgjhMode::RestOwed : CgjhMode::PaidOnly,
               .note = tnote->toPlainText()});
    return true;
}

void TF_Cgjh_Check::btnOKClick()
{
    if (saveCheckedValueTab2())
        accept();
}

void registerPurchasingPendingDialogs()
{
    registerForm(QStringLiteral("TF_Cgjh_Check"), F_Cgjh_Check);
    registerForm(QStringLiteral("TF_Cgjh_Import"), F_Cgjh_Import);
}
