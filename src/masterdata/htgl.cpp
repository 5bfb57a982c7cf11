#include "masterdata/htgl.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/textrules.h"
#include "masterdata/contacts.h"
#include "masterdata/ghsgl_add.h"
#include "masterdata/ghsgl_modi.h"
#include "masterdata/htgl_add.h"
#include "masterdata/khgl_add.h"
#include "masterdata/khgl_modi.h"
#include "platform/formkit.h"
#include "platform/iconlistview.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/shellopen.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TF_Htgl* F_Htgl = nullptr;

namespace {

constexpr int kCodeRole = Qt::UserRole;      // kind word, partner code or contract code
constexpr int kDetailRole = Qt::UserRole + 1;  // count, or date and handler of a contract

const QString kTop = QStringLiteral("0");

QString refusalAtTop(const QString& action)
{
    return QStringLiteral("请选择并打开“供货商/客户”列表或“供货商合同/客户合同”列表才能进行%1操作！").arg(action);
}

bool isPartnerKind(const QString& level)
{
    return level == u"gs" || level == u"kh";
}

bool isSearch(const QString& level)
{
    return level == u"gsall" || level == u"khall";
}

PartnerKind kindOf(const QString& level)
{
    return level.startsWith(u"kh") ? PartnerKind::Kh : PartnerKind::Ghs;
}

QString contractTable(PartnerKind kind)
{
    return kind == PartnerKind::Ghs ? QStringLiteral("jxc_htgl") : QStringLiteral("jxc_khhtgl");
}

}  // namespace

TF_Htgl::TF_Htgl(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Htgl"));
    setWindowTitle(QStringLiteral("合同管理"));
    setEscCloses(true);
    resize(820, 540);

    auto tool = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    btnAdd = tool("btnAdd", QStringLiteral("增加"));
    btnModi = tool("btnModi", QStringLiteral("修改"));
    btnDel = tool("btnDel", QStringLiteral("删除"));
    btnFind = tool("btnFind", QStringLiteral("查找"));
    btnBack = tool("btnBack", QStringLiteral("后退"));
    btnExit = tool("btnExit", QStringLiteral("退出"));
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblTitle = label("lblTitle");
    lblCaption = label("lblCaption");
    lblCount = label("lblCount");
    lblUser = label("lblUser");
    ListStyles = new IconListView(this);
    ListStyles->setObjectName(QStringLiteral("ListStyles"));
    ListView1 = ListStyles->tree();
    ListView1->setObjectName(QStringLiteral("ListView1"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    ListStyles->addStyleMenu(PopupMenu1, QStringLiteral("查看(W)"));
    for (auto [text, target] : {std::pair{QStringLiteral("增加(&X)"), btnAdd}, std::pair{QStringLiteral("修改(&Y)"), btnModi},
                                std::pair{QStringLiteral("删除(&Z)"), btnDel}})
        connect(PopupMenu1->addAction(text), &QAction::triggered, target, &QToolButton::click);
    ListStyles->setPopupMenu(PopupMenu1);

    pnlFind = new QWidget(this);
    pnlFind->setObjectName(QStringLiteral("pnlFind"));
    tFindKey = new QLineEdit(pnlFind);
    tFindKey->setObjectName(QStringLiteral("tFindKey"));
    installKeyFilter(tFindKey);
    comRange = new QComboBox(pnlFind);
    comRange->setObjectName(QStringLiteral("comRange"));
    comRange->addItems({QStringLiteral("所有客户合同"), QStringLiteral("所有供货商合同")});
    btnStartFind = namedButton(pnlFind, "btnStartFind", QStringLiteral("开始查找"));
    btnCloseFind = namedButton(pnlFind, "btnCloseFind", QStringLiteral("X"));
    auto* findHead = new QHBoxLayout;
    findHead->addWidget(new QLabel(QStringLiteral("查找"), pnlFind), 1);
    findHead->addWidget(btnCloseFind);
    auto* findCol = new QVBoxLayout(pnlFind);
    findCol->addLayout(findHead);
    findCol->addWidget(new QLabel(QStringLiteral("要查找的合同名称："), pnlFind));
    findCol->addWidget(tFindKey);
    findCol->addWidget(new QLabel(QStringLiteral("查找范围："), pnlFind));
    findCol->addWidget(comRange);
    findCol->addWidget(btnStartFind);
    findCol->addStretch(1);

    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {btnAdd, btnModi, btnDel, btnFind, btnBack, btnExit})
        bar->addWidget(b);
    bar->addStretch(1);
    auto* info = new QVBoxLayout;
    for (QLabel* l : {lblTitle, lblCaption, lblCount, lblUser})
        info->addWidget(l);
    info->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(pnlFind);
    body->addLayout(info);
    body->addWidget(ListStyles, 1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(bar);
    main->addLayout(body, 1);

    connect(ListStyles, &IconListView::itemClicked, this, [this](QTreeWidgetItem* item) { ListView1Click(item); });
    connect(ListStyles, &IconListView::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { runGuarded([this, item] { ListView1DblClick(item); }); });
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDel, [this] { btnDelClick(); });
    onClicked(btnFind, [this] { btnFindClick(); });
    onClicked(btnBack, [this] { btnBackClick(); });
    onClicked(btnExit, [this] { close(); });
    onClicked(btnStartFind, [this] { btnStartFindClick(); });
    onClicked(btnCloseFind, [this] { pnlFind->hide(); });
}

void TF_Htgl::FormActivate()
{
    pnlFind->hide();
    ListStyles->setViewStyle(IconListView::Style::LargeIcon);
    for (QLabel* l : {lblCaption, lblCount, lblUser})
        l->clear();
    showLevel(kTop, QStringLiteral("供货商或客户"));
}

void TF_Htgl::showLevel(const QString& level, const QString& title)
{
    m_level = level;
    lblTitle->setText(title);
    reload();
}

void TF_Htgl::reload()
{
    ListView1->clear();
    // Kinds and partners hold contracts as folders hold files.
    const QIcon icon =
        style()->standardIcon(m_level == kTop || isPartnerKind(m_level) ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    auto add = [this, &icon](const QStringList& texts, const QString& code, const QString& detail) {
        auto* item = new QTreeWidgetItem(ListView1, texts);
        item->setIcon(0, icon);
        item->setData(0, kCodeRole, code);
        item->setData(0, kDetailRole, detail);
    };
    if (m_level == kTop) {
        ListView1->setHeaderLabels({QStringLiteral("名称"), QStringLiteral("数目")});
        const QString gs = selectValue(QStringLiteral("select count(*) from jxc_ghsxx"));
        const QString kh = selectValue(QStringLiteral("select count(*) from jxc_khxx"));
        add({QStringLiteral("供货商"), gs}, QStringLiteral("gs"), gs);
        add({QStringLiteral("客户"), kh}, QStringLiteral("kh"), kh);
    } else if (isPartnerKind(m_level)) {
        ListView1->setHeaderLabels({QStringLiteral("名称"), QStringLiteral("合同数目")});
        const QString sql = m_level == u"gs"
            ? QStringLiteral("select a.ghs_sn as dwsn,a.ghs_name as dwname,iif(b.sl is null,0,b.sl) as htsl from jxc_ghsxx a "
                             "left outer join (select ghs_sn,count(*) as sl from jxc_htgl group by ghs_sn) b on "
                             "a.ghs_sn=b.ghs_sn order by a.id")
            : QStringLiteral("select a.kh_sn as dwsn,a.kh_name as dwname,iif(b.sl is null,0,b.sl) as htsl from jxc_khxx a "
                             "left outer join (select kh_sn,count(*) as sl from jxc_khhtgl group by kh_sn) b on "
                             "a.kh_sn=b.kh_sn order by a.id");
        const ResultSet rs = openSelect(sql);
        for (int r = 0; r < rs.rowCount(); ++r)
            add({rs.text(r, QStringLiteral("dwname")), rs.text(r, QStringLiteral("htsl"))}, rs.text(r, QStringLiteral("dwsn")),
                rs.text(r, QStringLiteral("htsl")));
    } else {
        ListView1->setHeaderLabels({QStringLiteral("名称"), QStringLiteral("加入日期"), QStringLiteral("经办人")});
        const PartnerKind kind = kindOf(m_level);
        const QString partner = kind == PartnerKind::Ghs ? QStringLiteral("ghs_sn") : QStringLiteral("kh_sn");
        QString sql = QStringLiteral("select a.ht_sn,a.%1 as dwsn,a.ht_name,a.ht_rq,b.u_name from %2 a,jxc_user b where "
                                     "a.u_sn=b.u_sn and ")
                          .arg(partner, contractTable(kind));
        SqlParams params;
        if (isSearch(m_level)) {
            const QString key = sqlSafe(tFindKey->text().trimmed());
            sql += QStringLiteral("(a.ht_name like ? or a.ht_jm like ?) order by a.id");
            params = {{QString(), u'%' + key + u'%'}, {QString(), u'%' + key + u'%'}};
        } else {
            sql += QStringLiteral("a.%1=? order by a.id").arg(partner);
            params = {{QString(), m_level.mid(2)}};
        }
        const ResultSet rs = openSelect(sql, params);
        for (int r = 0; r < rs.rowCount(); ++r)
            add({rs.text(r, QStringLiteral("ht_name")), rs.text(r, QStringLiteral("ht_rq")), rs.text(r, QStringLiteral("u_name"))},
                rs.text(r, QStringLiteral("ht_sn")), rs.text(r, QStringLiteral("ht_rq")));
    }
    ListView1->header()->resizeSection(0, m_level.size() > 2 || isSearch(m_level) ? 260 : 300);
}

void TF_Htgl::ListView1Click(QTreeWidgetItem* item)
{
    if (!item)
        return;
    lblCaption->setText(item->text(0));
    lblUser->clear();
    if (m_level == kTop) {
        lblCount->setText(QStringLiteral("供货商数目：") + item->data(0, kDetailRole).toString());
    } else if (isPartnerKind(m_level)) {
        lblCount->setText(QStringLiteral("合同数目：") + item->data(0, kDetailRole).toString());
    } else {
        lblCount->setText(QStringLiteral("加入日期：") + item->text(1));
        lblUser->setText(QStringLiteral("经办人：") + item->text(2));
    }
}

void TF_Htgl::ListView1DblClick(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QString code = item->data(0, kCodeRole).toString();
    if (m_level == kTop) {
        showLevel(code, item->text(0));
    } else if (isPartnerKind(m_level)) {
        showLevel(m_level + code, item->text(0));
    } else {
        const QString path = selectValue(QStringLiteral("select ht_path from %1 where ht_sn=?").arg(contractTable(kindOf(m_level))),
                                         {{QString(), code}});
        if (!path.isEmpty())
            shellOpenOrSay(path, this);
    }
}

void TF_Htgl::btnBackClick()
{
    if (isPartnerKind(m_level))
        showLevel(kTop, QStringLiteral("供货商或客户"));
    else if (m_level != kTop)
        showLevel(m_level.left(2), kindOf(m_level) == PartnerKind::Ghs ? QStringLiteral("供货商") : QStringLiteral("客户"));
}

void TF_Htgl::btnFindClick()
{
    if (pnlFind->isVisible()) {
        pnlFind->hide();
        return;
    }
    tFindKey->clear();
    comRange->setCurrentIndex(0);
    pnlFind->show();
}

void TF_Htgl::btnStartFindClick()
{
    showLevel(comRange->currentIndex() == 0 ? QStringLiteral("khall") : QStringLiteral("gsall"), comRange->currentText());
}

void TF_Htgl::btnAddClick()
{
    // Search results name no partner to file a contract with.
    if (m_level == kTop || isSearch(m_level)) {
        msgInfo(refusalAtTop(QStringLiteral("添加")), this);
        return;
    }
    if (isPartnerKind(m_level)) {
        if (kindOf(m_level) == PartnerKind::Ghs)
            showForm(F_Ghsgl_Add);
        else
            showForm(F_Khgl_Add);
        reload();
        return;
    }
    djhParam = m_level;
    showForm(F_Htgl_Add);
    djhParam.clear();
    reload();
}

void TF_Htgl::btnModiClick()
{
    if (m_level == kTop) {
        msgInfo(refusalAtTop(QStringLiteral("修改")), this);
        return;
    }
    QTreeWidgetItem* item = ListView1->currentItem();
    if (!item)
        return;
    const QString code = item->data(0, kCodeRole).toString();
    const PartnerKind kind = kindOf(m_level);
    if (isPartnerKind(m_level)) {
        const PartnerSide& side = partnerSide(kind);
        openQuery(side.query(), QStringLiteral("select * from %1 where %2='%3'").arg(side.table, side.col("sn"), sqlSafe(code)));
        if (kind == PartnerKind::Ghs)
            showForm(F_Ghsgl_Modi);
        else
            showForm(F_Khgl_Modi);
        side.query()->close();
        reload();
        return;
    }
    djhParam = m_level.left(2) + code;
    showForm(F_Htgl_Modi);
    djhParam.clear();
    reload();
}

void TF_Htgl::btnDelClick()
{
    if (m_level == kTop) {
        msgInfo(refusalAtTop(QStringLiteral("删除")), this);
        return;
    }
    QTreeWidgetItem* item = ListView1->currentItem();
    if (!item)
        return;
    const QString code = item->data(0, kCodeRole).toString();
    const PartnerKind kind = kindOf(m_level);
    if (isPartnerKind(m_level)) {
        const QString refusal = contractPartnerDeleteRefusal(kind, code);
        if (!refusal.isEmpty()) {
            msgInfo(refusal, this);
            return;
        }
        if (!msgYesNo(kind == PartnerKind::Ghs ? QStringLiteral("您确定要删除该供货商吗！") : QStringLiteral("您确定要删除该客户吗！"),
                      this))
            return;
        const QString late = deletePartner(kind, code);
        if (!late.isEmpty())
            msgInfo(late, this);
        reload();
        return;
    }
    if (!msgYesNo(QStringLiteral("您确定要删除该合同吗！"), this))
        return;
    deleteContract(kind, code);
    reload();
}
