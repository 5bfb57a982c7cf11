#include "masterdata/tmgl_cs.h"

#include "masterdata/barcodes.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Tmgl_Cs* F_Tmgl_Cs = nullptr;

TF_Tmgl_Cs::TF_Tmgl_Cs(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Tmgl_Cs"));
    setWindowTitle(QStringLiteral("条码测试"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    auto* box = new QGroupBox(QStringLiteral("请在文本框中输入条码来测试条码是否正确"), this);
    edtKey = nameBox(box, "edtKey", 64);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("请输入条码："), box), 0, 0);
    grid->addWidget(edtKey, 0, 1);
    const char* const captions[] = {"商品编号：", "商品名称：", "款型说明：", "单　　位：",
                                    "颜　　色：", "尺　　码：", "颜色代码：", "尺码代码："};
    for (int i = 0; i < 8; ++i) {
        lblInfo[i] = new QLabel(box);
        lblInfo[i]->setObjectName(QStringLiteral("lblInfo%1").arg(i));
        grid->addWidget(new QLabel(QString::fromUtf8(captions[i]), box), i + 1, 0);
        grid->addWidget(lblInfo[i], i + 1, 1);
    }
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* col = new QVBoxLayout(this);
    col->addWidget(box);
    col->addLayout(buttonRow({btnOK, btnCancel}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { close(); });
    connect(edtKey, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { btnOKClick(); }); });
}

void TF_Tmgl_Cs::FormActivate()
{
    edtKey->clear();
    for (QLabel* l : lblInfo)
        l->clear();
    edtKey->setFocus();
}

void TF_Tmgl_Cs::btnOKClick()
{
    if (edtKey->text().trimmed().isEmpty())
        return;
    const QStringList found = findVariantBarcode(edtKey->text());
    if (found.isEmpty()) {
        msgInfo(QStringLiteral("商品不存在！"), this);
        return;
    }
    for (int i = 0; i < 8; ++i)
        lblInfo[i]->setText(found.value(i));
}
