#include "stock/kcpd_cx.h"

#include "data/clock.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "stock/kcpd.h"
#include "stock/stocksql.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Kcpd_Cx* F_Kcpd_Cx = nullptr;

QString kcpdSheetFilters(const QString& from, const QString& to, const QString& ckSn, const QString& aName)
{
    QString sql = QStringLiteral(" and a.pd_rq>=%1 and a.pd_rq<=%2").arg(sqlText(from), sqlText(to));
    if (!ckSn.isEmpty() && ckSn != u"-1")
        sql += QStringLiteral(" and a.ck_sn=") + sqlText(ckSn);
    if (!aName.isEmpty())
        sql += QStringLiteral(" and a.a_name=") + sqlText(aName);
    return sql;
}

TF_Kcpd_Cx::TF_Kcpd_Cx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcpd_Cx"));
    setWindowTitle(QStringLiteral("盘点单查询"));
    date1 = new QDateEdit(this);
    date1->setObjectName(QStringLiteral("date1"));
    date2 = new QDateEdit(this);
    date2->setObjectName(QStringLiteral("date2"));
    for (QDateEdit* d : {date1, date2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    comUser = new CodeComboBox(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("查询时间：")), 0, 0);
    grid->addWidget(date1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("至：")), 0, 2);
    grid->addWidget(date2, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("仓库名称：")), 1, 0);
    grid->addWidget(comCk, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("操作员：")), 2, 0);
    grid->addWidget(comUser, 2, 1, 1, 3);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { close(); });
    onClicked(btnExit, [this] { close(); });
    setMainAction([this] { close(); });
    setEscCloses(true);
}

void TF_Kcpd_Cx::FormActivate()
{
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    fillOperatorCombo(comUser);
}

QString TF_Kcpd_Cx::filters() const
{
    return kcpdSheetFilters(date1->date().toString(QStringLiteral("yyyy-MM-dd")),
                            date2->date().toString(QStringLiteral("yyyy-MM-dd")),
                            comCk->currentIndex() >= 0 ? getComboCode(comCk, comCk->currentIndex()) : QString(),
                            comUser->currentIndex() > 0 ? comUser->currentText() : QString());
}
