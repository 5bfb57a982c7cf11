#include "sales/khjhgl_hh.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "sales/khjhgl.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/textrules.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "bills/billparts.h"
#include "sales/khjhposting.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Khjhgl_Hh* F_Khjhgl_Hh = nullptr;

LendingLineView focusedLendingLine()
{
    NamedQuery* q = lendingQuery("Q_Khjhgl1");
    LendingLineView v;
    if (q->isEmpty())
        return v;
    v.id = q->fieldByName(QStringLiteral("id")).toLongLong();
    v.djh = q->fieldByName(QStringLiteral("gl_djh"));
    v.gSn = q->fieldByName(QStringLiteral("g_sn"));
    v.gName = q->fieldByName(QStringLiteral("g_name"));
    v.khName = q->fieldByName(QStringLiteral("kh_name"));
    v.ckSn = q->fieldByName(QStringLiteral("ck_sn"));
    v.ckName = q->fieldByName(QStringLiteral("ck_name"));
    v.date = q->fieldByName(QStringLiteral("jh_rq"));
    v.quantity = q->fieldByName(QStringLiteral("jh_sl"));
    v.salePrice = q->fieldByName(QStringLiteral("g_sj"));
    return v;
}

TF_Khjhgl_Hh::TF_Khjhgl_Hh(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Khjhgl_Hh"));
    setWindowTitle(QStringLiteral("新增还货"));
    lbDjh = new QLabel;
    lbDjh->setObjectName(QStringLiteral("lbDjh"));
    dateHh = billDateBox();
    dateHh->setObjectName(QStringLiteral("dateHh"));
    comUser = new CodeComboBox;
    comUser->setObjectName(QStringLiteral("comUser"));
    tnote = nameBox(this, "tnote", 32);
    installKeyFilter(tnote);
    thhsl = new QLineEdit;
    thhsl->setObjectName(QStringLiteral("thhsl"));
    thhsl->setReadOnly(true);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("客户还货")), 0, 0, 1, 2);
    grid->addWidget(numberCaption(), 0, 2);
    grid->addWidget(lbDjh, 0, 3);
    const char* captions[] = {"客户名称", "收货仓库", "商品编号", "商品名称", "借货日期", "借货数量", "借货单据"};
    const char* names[] = {"lkh", "lck", "lgsn", "lgname", "ljhrq", "ljhsl", "ljhdj"};
    for (int i = 0; i < 7; ++i) {
        auto* value = new QLabel;
        value->setObjectName(QLatin1String(names[i]));
        m_fields << value;
        grid->addWidget(new QLabel(QString::fromUtf8(captions[i]) + u'：'), 1 + i / 2, (i % 2) * 2);
        grid->addWidget(value, 1 + i / 2, (i % 2) * 2 + 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("还货日期：")), 5, 0);
    grid->addWidget(dateHh, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("经  办  人：")), 5, 2);
    grid->addWidget(comUser, 5, 3);
    grid->addWidget(new QLabel(QStringLiteral("还货数量：")), 6, 0);
    grid->addWidget(thhsl, 6, 1);
    grid->addWidget(new QLabel(QStringLiteral("备        注：")), 6, 2);
    grid->addWidget(tnote, 6, 3);

    DBGrid1 = new DataGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(lendingQuery("Q_KhjhOpen"));
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150).footerCount(QStringLiteral("记录数："));
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    DBGrid1->addColumn(QStringLiteral("cm_name"), QStringLiteral("尺码"), 60);
    DBGrid1->addColumn(QStringLiteral("t_sl"), QStringLiteral("借出数量"), 70).footerSum();
    DBGrid1->addColumn(QStringLiteral("hh_sl"), QStringLiteral("还货数量"), 70).footerSum();

    auto* btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("该客户的未归还商品l列表：")));
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    connect(dateHh, &QDateEdit::dateChanged, this, [this] { runGuarded([this] { dateChange(); }); });
    resize(640, 520);
}

void TF_Khjhgl_Hh::FormActivate()
{
    m_initialising = true;
    dateHh->setDate(Clock::today());
    fillCodeComboWhere(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QString(),
                       QStringLiteral("where u_kc<>0 and u_name<>'' and u_name is not null"), QStringLiteral("id"),
                       QStringLiteral("u_sn"));
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    tnote->clear();
    lbDjh->setText(getMaxDjh(QStringLiteral("jxc_jhgl"), QStringLiteral("gl_djh"), QStringLiteral("HH")));
    m_line = focusedLendingLine();
    const QString values[] = {m_line.khName, m_line.ckName, m_line.gSn, m_line.gName, m_line.date, m_line.quantity, m_line.djh};
    for (int i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(values[i]);
    thhsl->setText(m_line.quantity.isEmpty() ? QStringLiteral("0") : m_line.quantity);
    openQuery(lendingQuery("Q_KhjhOpen"),
              QStringLiteral("select a.g_sn,b.g_name,b.dw_name,d.color_name,e.cm_name,c.t_sl,c.t_sl as hh_sl "
                             "from jxc_jhgl a,jxc_goods b,jxc_jhglmx c,jxc_color d,jxc_cm e where a.g_sn=b.g_sn "
                             "and c.gl_djh=a.gl_djh and c.tid=a.id and c.color_sn=d.color_sn and c.cm_sn=e.cm_sn "
                             "and a.jh_flag='j' and a.jh_sl<>0 and a.kh_sn='%1' and a.g_sn='%2' order by a.id,c.id")
                  .arg(sqlLit(curKhSn), sqlLit(m_line.gSn)));
    m_initialising = false;
}

void TF_Khjhgl_Hh::dateChange()
{
    if (!m_initialising)
        lbDjh->setText(getMaxDjhByDate(QStringLiteral("jxc_jhgl"), QStringLiteral("gl_djh"), QStringLiteral("HH"),
                                       dateText(dateHh->date())));
}

void TF_Khjhgl_Hh::btnOKClick()
{
    if (Money::fromText(thhsl->text()).isZero() || m_line.id == 0) {
        msgInfo(QStringLiteral("还货数量不能为0！"), this);
        return;
    }
    if (!msgYesNo(QStringLiteral("数据保存后不能再修改，是否确认保存！"), this))
        return;
    postKhjhGiveBack({.lineId = m_line.id,
                      .uSn = comUser->currentCode(),
                      .date = dateText(dateHh->date()),
                      .note = tnote->text(),
                      .op = operatorName});
    close();
}

bool TF_Khjhgl_Hh::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5) {
        btnOKClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Khjhgl_Hh::FormClose()
{
    lendingQuery("Q_KhjhOpen")->close();
}
