#include "pos/posprinset.h"

#include "data/datamodule.h"
#include "platform/devices.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_PosPrinSet* F_PosPrinSet = nullptr;

namespace {
QCheckBox* check(QWidget* parent, const char* name, const char* text)
{
    auto* c = new QCheckBox(QString::fromUtf8(text), parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}
bool on(const QString& v) { return v == QLatin1String("True") || v == QLatin1String("1"); }
QLineEdit* textBox(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}
QString bit(const QCheckBox* c) { return c->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }
}  // namespace

TF_PosPrinSet::TF_PosPrinSet(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_PosPrinSet"));
    setWindowTitle(QStringLiteral("打印设置"));
    setMainAction([this] { btnSaveClick(); });
    setEscCloses(true);
    cbxDyfs = new QComboBox(this);
    cbxDyfs->setObjectName(QStringLiteral("cbxDyfs"));
    cbxDyfs->addItems({QStringLiteral("普通打印机"), QStringLiteral("POS打印机")});
    cbxDyj = new QComboBox(this);
    cbxDyj->setObjectName(QStringLiteral("cbxDyj"));
    chkZjdy = check(this, "chkZjdy", "结账后打印销售单");
    chkDkqx = check(this, "chkDkqx", "自动打开钱箱");
    chkZdqz = check(this, "chkZdqz", "POS小票打印完毕后自动切纸");
    auto* titles = new QGroupBox(QStringLiteral("POS小票标题、脚注设置"), this);
    edtBt1 = textBox(titles, "edtBt1", 64);
    edtBt2 = textBox(titles, "edtBt2", 64);
    edtJz1 = textBox(titles, "edtJz1", 64);
    edtJz2 = textBox(titles, "edtJz2", 64);
    edtKhs = textBox(titles, "edtKhs", 2);
    edtFs = textBox(titles, "edtFs", 3);
    auto* tf = new QFormLayout(titles);
    tf->addRow(QStringLiteral("销售单标题1："), edtBt1);
    tf->addRow(QStringLiteral("销售单标题2："), edtBt2);
    tf->addRow(QStringLiteral("销售单脚注1："), edtJz1);
    tf->addRow(QStringLiteral("销售单脚注2："), edtJz2);
    tf->addRow(QStringLiteral("小票空行数："), edtKhs);
    tf->addRow(QStringLiteral("销售单份数："), edtFs);
    auto* content = new QGroupBox(QStringLiteral("POS小票打印内容设置"), this);
    chkXfjf = check(content, "chkXfjf", "打印会员消费、积分信息");
    chkFkfs = check(content, "chkFkfs", "打印付款方式信息");
    chkJedx = check(content, "chkJedx", "打印消费金额大写");
    chkBzxx = check(content, "chkBzxx", "在小票上打印备注信息");
    auto* cl = new QVBoxLayout(content);
    for (QCheckBox* c : {chkXfjf, chkFkfs, chkJedx, chkBzxx})
        cl->addWidget(c);
    btnSave = namedButton(this, "btnSave", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("打印方式："), cbxDyfs);
    form->addRow(QStringLiteral("选择打印机："), cbxDyj);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    for (QCheckBox* c : {chkZjdy, chkDkqx, chkZdqz})
        box->addWidget(c);
    box->addWidget(titles);
    box->addWidget(content);
    box->addLayout(buttonRow({btnSave, btnExit}));
    onClicked(btnSave, [this] { btnSaveClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_PosPrinSet::FormActivate()
{
    cbxDyfs->setCurrentIndex(0);
    cbxDyj->clear();
    cbxDyj->addItems(printerNames());
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_posprint"));
    if (rs.rowCount() == 0)
        return;
    auto t = [&](const char* f) { return rs.text(0, QString::fromLatin1(f)); };
    chkZjdy->setChecked(on(t("pp_zjdy")));
    chkDkqx->setChecked(on(t("pp_dkqx")));
    chkZdqz->setChecked(on(t("pp_zdqz")));
    chkXfjf->setChecked(on(t("pp_xfjf")));
    chkFkfs->setChecked(on(t("pp_fkfs")));
    chkJedx->setChecked(on(t("pp_jedx")));
    chkBzxx->setChecked(on(t("pp_bzxx")));
    const int mode = t("pp_dyfs").toInt();
    cbxDyfs->setCurrentIndex(mode >= 0 && mode < cbxDyfs->count() ? mode : -1);
    const int printer = t("pp_dyj").toInt();
    cbxDyj->setCurrentIndex(printer >= 0 && printer < cbxDyj->count() ? printer : -1);
    edtBt1->setText(t("pp_bt1"));
    edtBt2->setText(t("pp_bt2"));
    edtJz1->setText(t("pp_jz1"));
    edtJz2->setText(t("pp_jz2"));
    edtKhs->setText(t("pp_khs"));
    edtFs->setText(t("pp_fs"));
}

void TF_PosPrinSet::btnSaveClick()
{
    QString khs = edtKhs->text().trimmed();
    QString fs = edtFs->text().trimmed();
    if (khs.isEmpty())
        khs = QStringLiteral("5");
    if (fs.isEmpty())
        fs = QStringLiteral("1");
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_posprint"));
    appendRow(QStringLiteral("jxc_posprint"), {{QStringLiteral("pp_zjdy"), bit(chkZjdy)},
                                               {QStringLiteral("pp_dkqx"), bit(chkDkqx)},
                                               {QStringLiteral("pp_zdqz"), bit(chkZdqz)},
                                               {QStringLiteral("pp_dyfs"), QString::number(cbxDyfs->currentIndex())},
                                               {QStringLiteral("pp_dyj"), QString::number(cbxDyj->currentIndex())},
                                               {QStringLiteral("pp_bt1"), edtBt1->text().trimmed()},
                                               {QStringLiteral("pp_bt2"), edtBt2->text().trimmed()},
                                               {QStringLiteral("pp_jz1"), edtJz1->text().trimmed()},
                                               {QStringLiteral("pp_jz2"), edtJz2->text().trimmed()},
                                               {QStringLiteral("pp_khs"), khs},
                                               {QStringLiteral("pp_fs"), fs},
                                               {QStringLiteral("pp_xfjf"), bit(chkXfjf)},
                                               {QStringLiteral("pp_fkfs"), bit(chkFkfs)},
                                               {QStringLiteral("pp_jedx"), bit(chkJedx)},
                                               {QStringLiteral("pp_bzxx"), bit(chkBzxx)}});
    tx.commit();
    msgInfo(QStringLiteral("保存成功！"), this);
    accept();
}
