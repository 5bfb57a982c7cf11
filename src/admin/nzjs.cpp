#include "admin/nzjs.h"

#include "admin/closing.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/backup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>

TF_Nzjs* F_Nzjs = nullptr;

namespace {

void openClosings()
{
    openQuery(DataModule->Q_Nzjs,
              QStringLiteral("select *,nj_cgsl-nj_cgthsl as cgsl,nj_cgje-nj_cgthje as cgje,nj_xssl-nj_xsthsl as xssl,"
                             "nj_xsje-nj_xsthje as xsje from jxc_nj order by id desc"));
}

}  // namespace

TF_Nzjs::TF_Nzjs(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Nzjs"));
    setWindowTitle(QStringLiteral("年终结算"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    resize(900, 480);

    tyear = new QSpinBox(this);
    tyear->setObjectName(QStringLiteral("tyear"));
    lblPeriod = new QLabel(this);
    lblPeriod->setObjectName(QStringLiteral("lblPeriod"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExport = namedButton(this, "btnExport", QStringLiteral("导出(F3)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("结算年份："), this));
    row->addWidget(tyear);
    row->addWidget(new QLabel(QStringLiteral("结算时间："), this));
    row->addWidget(lblPeriod);
    row->addStretch();
    for (QPushButton* b : {btnOK, btnExport, btnExit})
        row->addWidget(b);
    auto* hint = new QLabel(QStringLiteral("提示：结算时需要较长时间，请耐心等待。"), this);
    auto* text = new QLabel(QStringLiteral("年终结算前一定要备份数据库。结算年份及之前的数据将被删除。\n"
                                           "年终结算将结算年份及之前的所有营业数据合并成一条综合数据，并删除营业数据；"
                                           "结算后不能再查询该年及之前的营业数据。\n进行年终结算可以提高系统运行速度。\n"
                                           "所有的应收应付款（不分日期）将被删除，并结转为供货商、客户的年初应收应付款。"),
                            this);
    text->setWordWrap(true);

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Nzjs);
    const QList<QPair<const char*, const char*>> columns = {
        {"nj_year", "结算年份"}, {"nj_jsrq", "结算日期"}, {"nj_cgds", "采购单数"}, {"nj_cgthds", "采购退货单数"},
        {"cgsl", "总计采购数量"}, {"cgje", "总计采购金额"}, {"nj_xsds", "销售单数"}, {"nj_xsthds", "销售退货单数"},
        {"xssl", "总计销售数量"}, {"xsje", "总计销售金额"}, {"nj_dbds", "调拨单数"}, {"nj_dbsl", "调拨数量"},
        {"nj_bsds", "报损单数"}, {"nj_byds", "报溢单数"}, {"nj_bssl", "报损数量"}, {"nj_bsje", "报损金额"},
        {"nj_bysl", "报溢数量"}, {"nj_byje", "报溢金额"}};
    for (const auto& [field, caption] : columns)
        DBGrid1->addColumn(QString::fromLatin1(field), QString::fromUtf8(caption), 80);

    auto* grid = new QGridLayout(this);
    grid->addLayout(row, 0, 0);
    grid->addWidget(hint, 1, 0);
    grid->addWidget(text, 2, 0);
    grid->addWidget(DBGrid1, 3, 0);

    connect(tyear, &QSpinBox::valueChanged, this, [this](int y) {
        lblPeriod->setText(QStringLiteral("%1-01-01至%1-12-31").arg(y));
    });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExport, [this] { DBGrid1->exportWithDialog(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Nzjs::FormActivate()
{
    const int year = Clock::today().year();
    tyear->setRange(2000, year);
    tyear->setValue(year);
    lblPeriod->setText(QStringLiteral("%1-01-01至%1-12-31").arg(year));
    openClosings();
}

void TF_Nzjs::FormClose()
{
    DataModule->Q_Nzjs->close();
}

bool TF_Nzjs::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F3) {
        runGuarded([this] { DBGrid1->exportWithDialog(); });
        return true;
    }
    return false;
}

void TF_Nzjs::btnOKClick()
{
    const QString year = QString::number(tyear->value());
    if (!msgYesNo(QStringLiteral("您确定要进行年终结算吗！"), this))
        return;
    const QString refusal = closingRefusal(year);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (!safetyCopyOrAsk(this))
        return;
    const QString error = closeYear(year);
    openClosings();
    msgInfo(error.isEmpty() ? QStringLiteral("结算完成！") : error, this);
}
