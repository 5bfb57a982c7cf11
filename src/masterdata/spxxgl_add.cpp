#include "masterdata/spxxgl_add.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/categorytree.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "shell/tips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TF_Spxxgl_Add* F_Spxxgl_Add = nullptr;

namespace {

const QString kGoodsTmpSql = QStringLiteral("select * from jxc_goodstmp order by id desc");

}  // namespace

TF_Spxxgl_Add::TF_Spxxgl_Add(QWidget* parent)
    : TF_SpxxglNew(QStringLiteral("F_Spxxgl_Add"), QStringLiteral("增加商品"), QStringLiteral("spxxgl_add"), parent)
{
    auto* saved = new QGroupBox(QStringLiteral("已存商品"), this);
    DBGridTmp = new DataGrid(saved);
    DBGridTmp->setObjectName(QStringLiteral("DBGridTmp"));
    DBGridTmp->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    DBGridTmp->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    auto* col = new QVBoxLayout(saved);
    col->addWidget(DBGridTmp, 1);
    col->addWidget(new QLabel(QStringLiteral("此列表显示的是已经保存过的商品，"), saved));
    col->addWidget(new QLabel(QStringLiteral("如果要退出请直接点“退出”按钮"), saved));
    saved->setMinimumWidth(260);
    m_body->addWidget(saved);
}

void TF_Spxxgl_Add::FormActivate()
{
    NamedQuery* tmp = DataModule->Q_GoodsTmp;
    if (DBGridTmp->query() != tmp)
        DBGridTmp->setQuery(tmp);
    if (startNewGoods())
        openQuery(tmp, kGoodsTmpSql);
}

void TF_Spxxgl_Add::FormClose()
{
    closeClassQueries();
}

void TF_Spxxgl_Add::btnGcClick()
{
    if (selectValue(QStringLiteral("select id from jxc_goodsclass limit 1")).isEmpty()) {
        msgInfo(QStringLiteral("请添加商品类别！"), this);
        return;
    }
    if (tvClass->topLevelItemCount() > 0)
        showClassPanel(true);
}

void TF_Spxxgl_Add::btnSaveClick()
{
    GoodsSaveResult saved;
    {
        Transaction tx;
        saved = addGoods(fields());
        if (saved.ok()) {
            execSql(QStringLiteral("insert into jxc_goodstmp (g_sn,g_name) values (?,?)"),
                    {{QString(), saved.sn}, {QString(), tg_name->text().trimmed()}});
            tx.commit();
        }
    }
    if (!saved.ok()) {
        msgInfo(saved.refusal, this);
        return;
    }
    openQuery(DataModule->Q_GoodsTmp, kGoodsTmpSql);
    resetFields();
    reloadGoodsList();
    tg_sn->setFocus();
    showTips(QStringLiteral("商品信息已成功保存！\r\n\r\n现在可以继续添加新的商品。"));
}
