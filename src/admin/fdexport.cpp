#include "admin/fdexport.h"

#include "admin/branch.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

TF_FdExport* F_FdExport = nullptr;

TF_FdExport::TF_FdExport(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_FdExport"));
    setWindowTitle(QStringLiteral("数据导出"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    auto date = [this](const char* name) {
        auto* d = new QDateEdit(this);
        d->setObjectName(QString::fromLatin1(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    tdate1 = date("tdate1");
    tdate2 = date("tdate2");
    tpath = new QLineEdit(this);
    tpath->setObjectName(QStringLiteral("tpath"));
    btnBrowse = namedButton(this, "btnBrowse", QStringLiteral("浏览"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    Ldcrq = new QLabel(this);
    Ldcrq->setObjectName(QStringLiteral("Ldcrq"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("导出时间："), this), 0, 0);
    grid->addWidget(tdate1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("至"), this), 0, 2);
    grid->addWidget(tdate2, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("导出路径："), this), 1, 0);
    grid->addWidget(tpath, 1, 1, 1, 3);
    grid->addWidget(btnBrowse, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("导出进度："), this), 2, 0);
    grid->addWidget(ProgressBar1, 2, 1, 1, 4);
    grid->addWidget(Ldcrq, 3, 0, 1, 5);
    grid->addLayout(buttonRow({btnOK, btnExit}), 4, 0, 1, 5);
    onClicked(btnBrowse, [this] {
        const QString dir = isHeadless() ? QString() : QFileDialog::getExistingDirectory(this, QStringLiteral("选择导出路径"));
        if (!dir.isEmpty())
            tpath->setText(QDir::toNativeSeparators(dir));
    });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_FdExport::FormActivate()
{
    const ResultSet rs = openSelect(QStringLiteral("select fd_sn,fd_name,fd_dcrq from jxc_fd order by id"));
    const bool branch = rs.rowCount() > 0;
    btnOK->setEnabled(branch);
    btnBrowse->setEnabled(branch);
    ProgressBar1->setValue(0);
    if (!branch) {
        Ldcrq->clear();
        msgInfo(QStringLiteral("分店信息不存在，不能导出！"), this);
        return;
    }
    Ldcrq->setText(QStringLiteral("最后一次导出时间为：") + rs.text(0, 2));
    setWindowTitle(QStringLiteral("数据导出(分店编号:") + rs.text(0, 0) + QStringLiteral("分店名称:") + rs.text(0, 1)
                   + QStringLiteral(")"));
    tdate1->setDate(Clock::today());
    tdate2->setDate(Clock::today());
    tpath->setText(QDir::toNativeSeparators(shopDir()) + QDir::separator());
}

void TF_FdExport::btnOKClick()
{
    if (!btnOK->isEnabled())
        return;
    const QString error = exportBranch(tpath->text(), tdate1->date(), tdate2->date());
    if (!error.isEmpty()) {
        msgInfo(error, this);
        return;
    }
    ProgressBar1->setValue(100);
    msgInfo(QStringLiteral("备份完成！"), this);
    accept();
}
