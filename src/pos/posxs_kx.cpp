#include "pos/posxs_kx.h"

#include "data/datamodule.h"
#include "platform/devices.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Kx* F_Posxs_Kx = nullptr;

TF_Posxs_Kx::TF_Posxs_Kx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Kx"));
    setWindowTitle(QStringLiteral("客显设置"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    auto* portGroup = new QGroupBox(QStringLiteral("选择端口"), this);
    cbxPort = new QComboBox(portGroup);
    cbxPort->setObjectName(QStringLiteral("cbxPort"));
    (new QFormLayout(portGroup))->addRow(QStringLiteral("选择客显使用的端口："), cbxPort);
    auto* testGroup = new QGroupBox(QStringLiteral("客显测试"), this);
    auto* tg = new QGridLayout(testGroup);
    const char* captions[] = {"单价：", "总计：", "收款：", "找零："};
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(testGroup);
        field->setObjectName(QStringLiteral("edtTest%1").arg(i));
        field->setMaxLength(8);
        testFields << field;
        // The test buttons drive nothing: no display is attached.
        auto* test = new QPushButton(QStringLiteral("测试"), testGroup);
        tg->addWidget(new QLabel(QString::fromUtf8(captions[i]), testGroup), i, 0);
        tg->addWidget(field, i, 1);
        tg->addWidget(test, i, 2);
    }
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* box = new QVBoxLayout(this);
    box->addWidget(portGroup);
    box->addWidget(testGroup);
    box->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Posxs_Kx::FormActivate()
{
    cbxPort->clear();
    QStringList ports = serialPortNames();
    if (ports.isEmpty())
        ports = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4")};
    cbxPort->addItems(ports);
    cbxPort->setCurrentIndex(0);
    for (QLineEdit* f : std::as_const(testFields))
        f->setText(QStringLiteral("0"));
    const QString stored = selectValue(QStringLiteral("select pos_com from jxc_poskx"));
    if (!stored.isEmpty())
        cbxPort->setCurrentIndex(cbxPort->findText(stored));
}

void TF_Posxs_Kx::btnOKClick()
{
    if (cbxPort->currentIndex() >= 0) {
        Transaction tx;
        execSql(QStringLiteral("delete from jxc_poskx"));
        execSql(QStringLiteral("insert into jxc_poskx (pos_com) values (?)"), {{QString(), cbxPort->currentText()}});
        tx.commit();
    }
    accept();
}
