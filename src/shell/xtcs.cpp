#include "shell/xtcs.h"

#include "data/datamodule.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/msgbox.h"
#include "shell/mainform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Xtcs* F_Xtcs = nullptr;

namespace {

bool bitOn(const QString& value)
{
    return !value.isEmpty() && value != QLatin1String("0") && value != QLatin1String("False");
}

}  // namespace

TF_Xtcs::TF_Xtcs(QWidget* parent) : TF_Form(parent)
{
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    setObjectName(QStringLiteral("F_Xtcs"));
    setWindowTitle(QStringLiteral("系统设置"));

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));

    auto* company = new QWidget;
    company->setObjectName(QStringLiteral("TabSheet1"));
    auto* form = new QFormLayout(company);
    form->setContentsMargins(24, 24, 24, 24);
    auto edit = [company](const char* name, int maxLength) {
        auto* e = new QLineEdit(company);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);  // the widths of the company columns
        e->setMinimumWidth(320);
        return e;
    };
    tname = edit("tname", 32);
    tjc = edit("tjc", 32);
    ttele = edit("ttele", 32);
    taddress = edit("taddress", 128);
    form->addRow(QStringLiteral("公司全名："), tname);
    form->addRow(QStringLiteral("公司简名："), tjc);
    form->addRow(QStringLiteral("联系电话："), ttele);
    form->addRow(QStringLiteral("联系地址："), taddress);
    RzPageControl1->addTab(company, QStringLiteral("公司信息"));

    auto* params = new QWidget;
    params->setObjectName(QStringLiteral("TabSheet2"));
    auto* pcol = new QVBoxLayout(params);
    auto* group = new QGroupBox(QStringLiteral("采购、销售设置"), params);
    auto* gl = new QVBoxLayout(group);
    auto* prices = new QFormLayout;
    comCgdj = new QComboBox(group);
    comCgdj->setObjectName(QStringLiteral("comCgdj"));
    comCgdj->addItems({QStringLiteral("平均进价"), QStringLiteral("最近进价"), QStringLiteral("预设进价")});
    comXsdj = new QComboBox(group);
    comXsdj->setObjectName(QStringLiteral("comXsdj"));
    comXsdj->addItems({QStringLiteral("预设售价及折扣"), QStringLiteral("该客户上次售价及折扣")});
    prices->addRow(QStringLiteral("采购进货、采购退货的单价显示为："), comCgdj);
    prices->addRow(QStringLiteral("销售时默认销售价格、折扣显示为："), comXsdj);
    gl->addLayout(prices);
    auto check = [this, group, gl](QCheckBox*& box, const char* name, const char* text, const char* column) {
        box = new QCheckBox(QString::fromUtf8(text), group);
        box->setObjectName(QString::fromLatin1(name));
        gl->addWidget(box);
        m_checks.append({box, column});
    };
    check(chkXgdj, "chkXgdj", "销售时允许修改销售单价", "cs_xgdj");
    check(chkKc, "chkKc", "库存为零时允许采购退货、销售", "cs_kc");
    check(chkYsdh, "chkYsdh", "采购进货或销售时有原始单号", "cs_ysdh");
    check(chkSpbh, "chkSpbh", "增加商品基本信息时商品自动编号", "cs_spbh");
    check(chkCt, "chkCt", "采购退货时只能退该供货商供应的商品", "cs_ct");
    check(chkXt, "chkXt", "销售退货时只能退向该客户销售过的商品", "cs_xt");
    check(chkXjyh, "chkXjyh", "启用现金银行功能", "cs_xjyh");
    check(chkTjcyjf, "chkTjcyjf", "特价商品参与积分", "cs_tjcyjf");
    check(chkPosdj, "chkPosdj", "POS前端允许修改单价和折扣", "cs_posdj");
    check(chkPoshooktoday, "chkPoshooktoday", "POS前端仅保存当天挂单信息", "cs_poshooktoday");
    check(chkPosrq, "chkPosrq", "在POS端销售商品时，显示出商品不同生产日期的各批次供用户选择销售", "cs_posrq");
    auto* digits = new QFormLayout;
    auto spin = [group](const char* name) {
        auto* s = new QSpinBox(group);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, 9);
        return s;
    };
    tPosfkws = spin("tPosfkws");
    tXsws = spin("tXsws");
    digits->addRow(QStringLiteral("POS端结账小数位数："), tPosfkws);
    digits->addRow(QStringLiteral("系统小数位数："), tXsws);
    gl->addLayout(digits);
    pcol->addWidget(group);
    RzPageControl1->addTab(params, QStringLiteral("系统参数"));

    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    btnCancel = new QPushButton(QStringLiteral("取消(Esc)"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* col = new QVBoxLayout(this);
    col->addWidget(RzPageControl1);
    col->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_Xtcs::FormActivate()
{
    RzPageControl1->setCurrentIndex(0);
    const ResultSet company = openSelect(QStringLiteral("select * from jxc_company"));
    tname->setText(company.text(0, QStringLiteral("c_name")));
    tjc->setText(company.text(0, QStringLiteral("c_jc")));
    ttele->setText(company.text(0, QStringLiteral("c_tele")));
    taddress->setText(company.text(0, QStringLiteral("c_address")));
    const ResultSet cs = openSelect(QStringLiteral("select * from jxc_xtcs"));
    comCgdj->setCurrentIndex(int(cs.number(0, QStringLiteral("cs_cgdj"))));
    comXsdj->setCurrentIndex(int(cs.number(0, QStringLiteral("cs_xsdj"))));
    for (const Check& c : std::as_const(m_checks))
        c.box->setChecked(bitOn(cs.text(0, QString::fromLatin1(c.column))));
    tPosfkws->setValue(int(cs.number(0, QStringLiteral("cs_posfkws"))));
    tXsws->setValue(int(cs.number(0, QStringLiteral("cs_xsws"))));
}

void TF_Xtcs::btnOKClick()
{
    const bool saved = saveValue();
    loadSysParams();
    if (saved)
        accept();
}

bool TF_Xtcs::saveValue()
{
    const QString name = sqlSafeName(tname->text().trimmed());
    const QString shortName = sqlSafeName(tjc->text().trimmed());
    if (name.isEmpty() || shortName.isEmpty()) {
        msgInfo(QStringLiteral("公司信息必须填写！"), this);
        return false;
    }
    const SqlParams companyValues = {{QStringLiteral("c_name"), name},
                                     {QStringLiteral("c_jc"), shortName},
                                     {QStringLiteral("c_tele"), sqlSafeName(ttele->text().trimmed())},
                                     {QStringLiteral("c_address"), sqlSafeName(taddress->text().trimmed())}};
    // The settings row is updated in place: the settings this window does not show keep
    // their values.
    SqlParams settings = {{QStringLiteral("cs_cgdj"), qMax(0, comCgdj->currentIndex())},
                          {QStringLiteral("cs_xsdj"), qMax(0, comXsdj->currentIndex())},
                          {QStringLiteral("cs_posfkws"), tPosfkws->value()},
                          {QStringLiteral("cs_xsws"), tXsws->value()}};
    for (const Check& c : std::as_const(m_checks))
        settings.push_back({QString::fromLatin1(c.column), c.box->isChecked()});

    Transaction t;
    saveSingleRow(QStringLiteral("jxc_company"), companyValues);
    saveSingleRow(QStringLiteral("jxc_xtcs"), settings);
    t.commit();
    companyChanged();
    return true;
}
