#include "masterdata/htgl_add.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/contacts.h"
#include "masterdata/lxdialogs.h"
#include "platform/codecombo.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TF_Htgl_Add* F_Htgl_Add = nullptr;
TF_Htgl_Modi* F_Htgl_Modi = nullptr;

namespace {

// The kind and the code handed over in djhParam.
PartnerKind paramKind()
{
    return djhParam.startsWith(u"kh") ? PartnerKind::Kh : PartnerKind::Ghs;
}

QString paramCode()
{
    return djhParam.mid(2, 8);
}

}  // namespace

TF_Htgl_Add::TF_Htgl_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Htgl_Add"));
    setWindowTitle(QStringLiteral("增加合同"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(30);
    tpath = new QLineEdit(this);
    tpath->setObjectName(QStringLiteral("tpath"));
    btnOpen = namedButton(this, "btnOpen", QStringLiteral("..."));
    dDate = new QDateEdit(this);
    dDate->setObjectName(QStringLiteral("dDate"));
    dDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dDate->setCalendarPopup(true);
    comUser = new CodeComboBox(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(tpath, 1);
    pathRow->addWidget(btnOpen);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("合同名称："), tname);
    form->addRow(QStringLiteral("合同位置："), pathRow);
    form->addRow(QStringLiteral("加入时间："), dDate);
    form->addRow(QStringLiteral("经办人："), comUser);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOpen, [this] {
        const QString path = openFileDialog(QStringLiteral("所有文件|*.*"), QString(), this);
        if (!path.isEmpty())
            tpath->setText(path);
    });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Htgl_Add::FormActivate()
{
    dDate->setDate(Clock::today());
    tname->clear();
    tpath->clear();
    fillStaffCombo(comUser);
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    tname->setFocus();
}

ContractInput TF_Htgl_Add::input() const
{
    return {tname->text(), tpath->text(), dDate->date(), comUser->currentCodeOrEmpty()};
}

void TF_Htgl_Add::btnOKClick()
{
    const SaveOutcome out = addContract(paramKind(), paramCode(), input());
    if (!out.ok()) {
        msgInfo(out.error, this);
        return;
    }
    accept();
}

TF_Htgl_Modi::TF_Htgl_Modi(QWidget* parent) : TF_Htgl_Add(parent)
{
    setObjectName(QStringLiteral("F_Htgl_Modi"));
    setWindowTitle(QStringLiteral("修改合同"));
}

void TF_Htgl_Modi::FormActivate()
{
    fillStaffCombo(comUser);
    const QString table = paramKind() == PartnerKind::Ghs ? QStringLiteral("jxc_htgl") : QStringLiteral("jxc_khhtgl");
    const ResultSet rs = openSelect(
        QStringLiteral("select a.*,b.u_name from %1 a,jxc_user b where a.u_sn=b.u_sn and a.ht_sn=?").arg(table),
        {{QString(), paramCode()}});
    if (rs.isEmpty())
        return;
    dDate->setDate(QDate::fromString(rs.text(0, QStringLiteral("ht_rq")), QStringLiteral("yyyy-MM-dd")));
    tpath->setText(rs.text(0, QStringLiteral("ht_path")));
    tname->setText(rs.text(0, QStringLiteral("ht_name")));
    comUser->setCurrentIndex(comUser->findText(rs.text(0, QStringLiteral("u_name")), Qt::MatchExactly));
    tname->setFocus();
}

void TF_Htgl_Modi::btnOKClick()
{
    const QString refusal = modifyContract(paramKind(), paramCode(), input());
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
