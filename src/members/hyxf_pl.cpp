#include "members/hyxf_pl.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Hyxf_pl* F_Hyxf_pl = nullptr;

namespace {
const QString kListSql = QStringLiteral(
    "select a.id,a.hy_sn,a.hy_bh,a.hy_name,a.hy_jf,a.hy_zje,a.hy_zhje,a.hy_chk,b.hl_name,c.hh_name from jxc_hyxx a,"
    "jxc_hyfl b,jxc_hyyh c where a.hl_sn=b.hl_sn and a.hh_sn=c.hh_sn and a.hy_sn<>'100001' order by a.id desc");
}  // namespace

TF_Hyxf_pl::TF_Hyxf_pl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hyxf_pl"));
    setWindowTitle(QStringLiteral("批量续费"));
    setEscCloses(true);
    resize(760, 520);
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Hypl);
    DBGrid1->addColumn(QStringLiteral("hy_chk"), QString(), 30).setCheck().setWriter(
        [this](int row, const QString&, const QString& value) {
            setMemberTick(DBGrid1->value(row, QStringLiteral("hy_sn")), value == u"True" || value == u"1");
        });
    DBGrid1->addColumn(QStringLiteral("hy_bh"), QStringLiteral("会员卡号"), 90).footerText(QStringLiteral("记录数："));
    DBGrid1->addColumn(QStringLiteral("hy_name"), QStringLiteral("会员姓名"), 80).footerCount();
    DBGrid1->addColumn(QStringLiteral("hh_name"), QStringLiteral("优惠方式"), 80);
    DBGrid1->addColumn(QStringLiteral("hl_name"), QStringLiteral("会员等级"), 80);
    DBGrid1->addColumn(QStringLiteral("hy_jf"), QStringLiteral("会员积分"), 70).footerSum();
    DBGrid1->addColumn(QStringLiteral("hy_zje"), QStringLiteral("累计消费"), 80).footerSum();
    DBGrid1->addColumn(QStringLiteral("hy_zhje"), QStringLiteral("卡内余额"), 80).footerSum();
    chkAll = new QCheckBox(QStringLiteral("全选"), this);
    chkAll->setObjectName(QStringLiteral("chkAll"));
    auto amount = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(7);
        e->setValidator(new QDoubleValidator(-1e6, 1e7, 2, e));
        return e;
    };
    edtJe = amount("edtJe");
    edtSjje = amount("edtSjje");
    edtNote = new QLineEdit(this);
    edtNote->setObjectName(QStringLiteral("edtNote"));
    edtNote->setMaxLength(64);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("续费金额"), edtJe);
    form->addRow(QStringLiteral("实际金额"), edtSjje);
    form->addRow(QStringLiteral("备注"), edtNote);
    auto* box = new QVBoxLayout(this);
    box->addWidget(chkAll);
    box->addWidget(DBGrid1);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(edtJe, &QLineEdit::textEdited, edtSjje, &QLineEdit::setText);
    connect(chkAll, &QCheckBox::clicked, this, [this](bool on) {
        runGuarded([this, on] {
            setAllMemberTicks(on);
            openList();
        });
    });
}

void TF_Hyxf_pl::openList()
{
    DataModule->Q_Hypl->open(kListSql);
}

void TF_Hyxf_pl::FormActivate()
{
    setAllMemberTicks(false);
    openList();
    edtJe->setText(QStringLiteral("0"));
    edtSjje->setText(QStringLiteral("0"));
    edtNote->clear();
    chkAll->setChecked(false);
}

void TF_Hyxf_pl::FormClose()
{
    DataModule->Q_Hypl->close();
}

void TF_Hyxf_pl::btnOKClick()
{
    const Money amount = Money::fromText(edtJe->text().trimmed());
    const Money credit = Money::fromText(edtSjje->text().trimmed());
    if (amount < Money()) {
        msgInfo(QStringLiteral("储值金额不能为负数！"), this);
        return;
    }
    if (credit < Money()) {
        msgInfo(QStringLiteral("实际金额不能为负数！"), this);
        return;
    }
    const int count = batchTopUp(amount, credit, edtNote->text(), operatorName);
    msgInfo(QStringLiteral("共有%1个会员卡续费成功！").arg(count), this);
    accept();
}
