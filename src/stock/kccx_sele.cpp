#include "stock/kccx_sele.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TF_Kccx_Sele* F_Kccx_Sele = nullptr;

namespace {

// The goods with its supplier's name; a goods without supplier record keeps its own fields.
ResultSet goodsWithSupplier(const QString& gSn)
{
    return openSelect(QStringLiteral("select a.*,b.ghs_name from jxc_goods a left join jxc_ghsxx b on a.ghs_sn=b.ghs_sn "
                                     "where a.g_sn=?"),
                      {{QString(), gSn}});
}

}  // namespace

QString addReference(const QString& gSn, const QString& flag, qint64 qty)
{
    Transaction tx;
    const ResultSet goods = goodsWithSupplier(gSn);
    if (goods.isEmpty())
        return QStringLiteral("该商品不存在！");
    appendRow(QStringLiteral("jxc_ckjth"), {{QStringLiteral("g_sn"), gSn},
                                            {QStringLiteral("ghs_name"), goods.text(0, QStringLiteral("ghs_name"))},
                                            {QStringLiteral("jt_sl"), qty},
                                            {QStringLiteral("jt_rq"), todayText()},
                                            {QStringLiteral("jt_flag"), flag}});
    tx.commit();
    return QString();
}

void setReferenceQty(const QString& gSn, const QString& flag, qint64 qty)
{
    execSql(QStringLiteral("update jxc_ckjth set jt_sl=? where jt_flag=? and g_sn=?"),
            {{QString(), qty}, {QString(), flag}, {QString(), gSn}});
}

void deleteReference(qint64 id)
{
    execSql(QStringLiteral("delete from jxc_ckjth where id=?"), {{QString(), id}});
}

TF_Kccx_Sele::TF_Kccx_Sele(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kccx_Sele"));
    setWindowTitle(QStringLiteral("输入参考进货数量"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    auto* box = new QGroupBox(QStringLiteral("商品信息"), this);
    auto label = [box](const char* name) {
        auto* l = new QLabel(box);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lSn = label("lSn");
    lName = label("lName");
    lGg = label("lGg");
    lDw = label("lDw");
    lKc = label("lKc");
    lSccs = label("lSccs");
    lBz = label("lBz");
    lGhs = label("lGhs");
    lGhs->hide();
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("商品编号："), lSn);
    form->addRow(QStringLiteral("商品名称："), lName);
    form->addRow(QStringLiteral("款型说明："), lGg);
    form->addRow(QStringLiteral("单位："), lDw);
    form->addRow(QStringLiteral("当前库存："), lKc);
    form->addRow(QStringLiteral("品牌厂商："), lSccs);
    form->addRow(QStringLiteral("备注："), lBz);

    lSlCaption = new QLabel(QStringLiteral("参考进货数量："), this);
    tSl = new QSpinBox(this);
    tSl->setObjectName(QStringLiteral("tSl"));
    tSl->setRange(0, 99999);  // five digits
    tSl->setButtonSymbols(QAbstractSpinBox::NoButtons);
    tSl->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    auto* slRow = new QFormLayout;
    slRow->addRow(lSlCaption, tSl);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });

    auto* main = new QVBoxLayout(this);
    main->addWidget(box);
    main->addLayout(slRow);
    main->addWidget(new QLabel(QStringLiteral("(数量只作为一个进货或退货的参考，不修改实际库存)"), this));
    main->addLayout(buttonRow({btnOK, btnExit}));
}

void TF_Kccx_Sele::FormActivate()
{
    m_word = callerFlag;
    const bool purchase = m_word == u"jadd" || m_word == u"jmodi";
    setWindowTitle(purchase ? QStringLiteral("输入参考进货数量") : QStringLiteral("输入参考退货数量"));
    lSlCaption->setText(purchase ? QStringLiteral("参考进货数量：") : QStringLiteral("参考退货数量："));
    const ResultSet goods = goodsWithSupplier(curGoodsSn);
    auto field = [&goods](const char* name) { return goods.isEmpty() ? QString() : goods.text(0, QLatin1String(name)); };
    lSn->setText(field("g_sn"));
    lName->setText(field("g_name"));
    lGg->setText(field("gg_name"));
    lDw->setText(field("dw_name"));
    lKc->setText(field("g_kc"));
    lSccs->setText(field("g_sccs"));
    lBz->setText(field("g_bz"));
    lGhs->setText(field("ghs_name"));
    tSl->setValue(1);
    if (m_word == u"jmodi" || m_word == u"tmodi")
        tSl->setValue(int(selectValue(QStringLiteral("select jt_sl from jxc_ckjth where jt_flag=? and g_sn=?"),
                                      {{QString(), purchase ? QStringLiteral("j") : QStringLiteral("t")}, {QString(), curGoodsSn}})
                              .toDouble()));
    tSl->selectAll();
}

void TF_Kccx_Sele::btnOKClick()
{
    const QString flag = m_word.startsWith(u'j') ? QStringLiteral("j") : QStringLiteral("t");
    if (m_word == u"jadd" || m_word == u"tadd") {
        const QString refusal = addReference(curGoodsSn, flag, tSl->value());
        if (!refusal.isEmpty()) {
            msgInfo(refusal, this);
            return;
        }
    } else if (m_word == u"jmodi" || m_word == u"tmodi") {
        setReferenceQty(curGoodsSn, flag, tSl->value());
    }
    close();
}
