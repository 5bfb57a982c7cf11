#include "masterdata/ckgl_search.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "masterdata/ckgl.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_Ckgl_Search* F_Ckgl_Search = nullptr;

TF_Ckgl_Search::TF_Ckgl_Search(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Ckgl_Search"));
    setWindowTitle(QStringLiteral("仓库查找"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto field = [&](const char* name, const QString& caption) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        installKeyFilter(e);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(e, row++, 1);
        return e;
    };
    tname = field("tname", QStringLiteral("仓库名称："));
    tfzr = field("tfzr", QStringLiteral("负  责  人："));
    ttele = field("ttele", QStringLiteral("联系电话："));
    taddress = field("taddress", QStringLiteral("仓库地址："));
    btnOK = namedButton(this, "btnOK", QStringLiteral("查询(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* buttons = buttonRow({btnOK, btnExit});
    grid->addLayout(buttons, row, 0, 1, 2);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Ckgl_Search::btnOKClick()
{
    // Every field goes through safe text: it cannot end the quoted literal it stands in.
    auto key = [](const QLineEdit* e) { return QLatin1Char('%') + sqlSafe(e->text().trimmed()) + QLatin1Char('%'); };
    QString condition = QStringLiteral("1=1 ");
    if (!tname->text().trimmed().isEmpty())
        condition += QStringLiteral(" and (ck_name like '%1' or ck_jm like '%1') ").arg(key(tname));
    if (!tfzr->text().trimmed().isEmpty())
        condition += QStringLiteral(" and ck_fzr like '%1' ").arg(key(tfzr));
    if (!ttele->text().trimmed().isEmpty())
        condition += QStringLiteral(" and ck_tele like '%1' ").arg(key(ttele));
    if (!taddress->text().trimmed().isEmpty())
        condition += QStringLiteral(" and ck_address like '%1' ").arg(key(taddress));
    openQuery(DataModule->Q_Ckxx, ckxxListSql(condition));
    accept();
}
