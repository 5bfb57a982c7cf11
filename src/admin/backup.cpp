#include "admin/backup.h"

#include "admin/backuprestore.h"
#include "data/datamodule.h"
#include "data/settings.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/mainform.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TF_Backup* F_Backup = nullptr;
TF_Backup2* F_Backup2 = nullptr;

namespace {

const char* const kInfoText =
    "          自动进行备份的“时间间隔”是指软件持续运行的时间(即，每次打开\n到第一次关闭)。比如设置为“每隔1小时备份一次”，"
    "那么软件打开后开始\n计时，计够一个小时，就会自动备份一次数据。如果中间重新打开软件，\n将会重新从零开始计时。";

QToolButton* browseButton(QWidget* parent, const char* name)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QStringLiteral("..."));
    return b;
}

}  // namespace

TF_Backup::TF_Backup(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Backup"));
    setWindowTitle(QStringLiteral("备份/恢复数据库"));
    setMainAction([this] { btnOKClick(); });
    resize(520, 300);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // Backup page.
    auto* backupPage = new QWidget;
    auto* bg = new QGridLayout(backupPage);
    tPath = new QLineEdit(backupPage);
    tPath->setObjectName(QStringLiteral("tPath"));
    btnPath = browseButton(backupPage, "btnPath");
    ProgressBar1 = new QProgressBar(backupPage);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    chkAuto = new QCheckBox(QStringLiteral("自动备份"), backupPage);
    chkAuto->setObjectName(QStringLiteral("chkAuto"));
    tsj = new QSpinBox(backupPage);
    tsj->setObjectName(QStringLiteral("tsj"));
    tsj->setRange(1, 24);
    chkExit = new QCheckBox(QStringLiteral("系统退出时自动备份"), backupPage);
    chkExit->setObjectName(QStringLiteral("chkExit"));
    Image1 = new QToolButton(backupPage);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAutoRaise(true);
    Image1->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    bg->addWidget(new QLabel(QStringLiteral("备份路径："), backupPage), 0, 0);
    bg->addWidget(tPath, 0, 1);
    bg->addWidget(btnPath, 0, 2);
    bg->addWidget(new QLabel(QStringLiteral("备份进度："), backupPage), 1, 0);
    bg->addWidget(ProgressBar1, 1, 1, 1, 2);
    m_autoRow = new QWidget(backupPage);
    auto* autoRow = new QHBoxLayout(m_autoRow);
    autoRow->setContentsMargins(0, 0, 0, 0);
    autoRow->addWidget(chkAuto);
    autoRow->addWidget(new QLabel(QStringLiteral("每隔"), m_autoRow));
    autoRow->addWidget(tsj);
    autoRow->addWidget(new QLabel(QStringLiteral("小时备份一次"), m_autoRow));
    autoRow->addStretch();
    bg->addWidget(m_autoRow, 2, 0, 1, 3);
    bg->addWidget(chkExit, 3, 0, 1, 2);
    bg->addWidget(Image1, 3, 2);
    PageControl1->addTab(backupPage, QStringLiteral("备份数据"));

    // Restore page.
    auto* restorePage = new QWidget;
    auto* rg = new QGridLayout(restorePage);
    tPath1 = new QLineEdit(restorePage);
    tPath1->setObjectName(QStringLiteral("tPath1"));
    btnPath1 = browseButton(restorePage, "btnPath1");
    ProgressBar2 = new QProgressBar(restorePage);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    rg->addWidget(new QLabel(QStringLiteral("恢复文件："), restorePage), 0, 0);
    rg->addWidget(tPath1, 0, 1);
    rg->addWidget(btnPath1, 0, 2);
    rg->addWidget(new QLabel(QStringLiteral("恢复进度："), restorePage), 1, 0);
    rg->addWidget(ProgressBar2, 1, 1, 1, 2);
    rg->setRowStretch(2, 1);
    PageControl1->addTab(restorePage, QStringLiteral("恢复数据"));

    // The information panel laid over the pages.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setAutoFillBackground(true);
    auto* pl = new QVBoxLayout(Panel1);
    pl->addWidget(new QLabel(QStringLiteral("说明："), Panel1));
    pl->addWidget(new QLabel(QString::fromUtf8(kInfoText), Panel1));
    btnClose = namedButton(Panel1, "btnClose", QStringLiteral("关闭(Esc)"));
    pl->addLayout(buttonRow({btnClose}));
    Panel1->hide();

    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addWidget(Panel1);
    layout->addLayout(buttonRow({btnOK, btnExit}));

    // The bar fills in half a second; it shows that the command ran, not how the copy goes.
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] {
        QProgressBar* bar = PageControl1->currentIndex() == 0 ? ProgressBar1 : ProgressBar2;
        bar->setValue(qMin(100, bar->value() + 20));
        if (bar->value() >= 100)
            Timer1->stop();
    });

    connect(chkAuto, &QCheckBox::toggled, tsj, &QWidget::setEnabled);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1) {
            tPath1->clear();
            ProgressBar2->setValue(0);
        }
    });
    connect(Image1, &QToolButton::clicked, Panel1, &QWidget::show);
    connect(btnClose, &QPushButton::clicked, Panel1, &QWidget::hide);
    onClicked(btnPath, [this] {
        const QString dir = isHeadless() ? QString() : QFileDialog::getExistingDirectory(this, QStringLiteral("选择备份目录"));
        if (!dir.isEmpty())
            tPath->setText(QDir::toNativeSeparators(dir));
    });
    onClicked(btnPath1, [this] {
        const QString file = openFileDialog(QString(), QString(), this);
        if (!file.isEmpty())
            tPath1->setText(file);
    });
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Backup::FormActivate()
{
    PageControl1->setCurrentIndex(0);
    tPath->clear();
    chkAuto->setChecked(false);
    chkExit->setChecked(false);
    tsj->setValue(1);
    tsj->setEnabled(false);
    Timer1->stop();
    ProgressBar1->setValue(0);
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_backup"));
    if (rs.rowCount() > 0) {
        tPath->setText(rs.text(0, QStringLiteral("back_path")));
        chkAuto->setChecked(settingOn(rs.text(0, QStringLiteral("back_auto"))));
        chkExit->setChecked(settingOn(rs.text(0, QStringLiteral("back_exit"))));
        const int hours = rs.text(0, QStringLiteral("back_sj")).toInt();
        tsj->setValue(hours > 0 ? hours : 1);
        tsj->setEnabled(chkAuto->isChecked());
    }
}

bool TF_Backup::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (Panel1->isVisible())
            Panel1->hide();
        else
            reject();
        return true;
    }
    return false;
}

void TF_Backup::btnOKClick()
{
    if (PageControl1->currentIndex() == 0)
        backupClick();
    else
        restoreClick();
}

bool TF_Backup::copyNow(const QString& folder)
{
    try {
        backupNow(folder);
    } catch (const DbError& e) {
        msgInfo(QStringLiteral("数据库备份失败：") + e.message(), this);
        return false;
    }
    msgInfo(QStringLiteral("备份完成！"), this);
    return true;
}

void TF_Backup::backupClick()
{
    BackupSettings s;
    s.folder = tPath->text();
    s.autoBackup = chkAuto->isChecked();
    s.hours = tsj->value();
    s.exitBackup = chkExit->isChecked();
    const QString refusal = saveBackupSettings(s);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    Timer1->start();
    backAuto = s.autoBackup ? QStringLiteral("1") : QStringLiteral("0");
    backExit = s.exitBackup ? QStringLiteral("1") : QStringLiteral("0");
    backSj = s.hours;
    if (F_MainForm) {
        if (s.autoBackup)
            F_MainForm->TimerBackUp->start(s.hours * 3600000);
        else
            F_MainForm->TimerBackUp->stop();
    }
    copyNow(s.folder);
}

void TF_Backup::restoreClick()
{
    const QString file = tPath1->text().trimmed();
    if (file.isEmpty()) {
        msgInfo(QStringLiteral("恢复路径必须填写！"), this);
        return;
    }
    Timer1->start();
    const QString error = restoreDatabase(file);
    msgInfo(error.isEmpty() ? QStringLiteral("恢复完成！") : error, this);
}

// ---- TF_Backup2 ----------------------------------------------------------------------------

TF_Backup2::TF_Backup2(QWidget* parent) : TF_Backup(parent)
{
    setObjectName(QStringLiteral("F_Backup2"));
    setWindowTitle(QStringLiteral("备份当前数据库"));
    PageControl1->removeTab(1);
    m_autoRow->hide();
}

void TF_Backup2::FormActivate()
{
    tPath->clear();
    chkExit->setChecked(false);
    ProgressBar1->setValue(0);
    const ResultSet rs = openSelect(QStringLiteral("select back_path,back_exit from jxc_backup"));
    if (rs.rowCount() > 0) {
        tPath->setText(rs.text(0, QStringLiteral("back_path")));
        chkExit->setChecked(settingOn(rs.text(0, QStringLiteral("back_exit"))));
    }
}

void TF_Backup2::btnOKClick()
{
    BackupSettings s;
    s.folder = tPath->text();
    s.exitBackup = chkExit->isChecked();
    const QString refusal = saveBackupSettings(s);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    copyNow(s.folder);
}
