#include "masterdata/tmset.h"

#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRegularExpressionValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TF_Tmset* F_Tmset = nullptr;

namespace {

const char* const kSymbologies[] = {
    "bcCode_2_5_interleave", "bcCode_2_5_industrail", "bcCode_2_5_matrix", "bcCode39",      "bcCode39Extended",
    "bcCode128A",            "bcCode128B",            "bcCode128C",        "bcCode93",      "bcCode93Extended",
    "bcCodeMSI",             "bcCodePostNet",         "bcCodeCodabar",     "bcCodeEAN8",    "bcCodeEAN13",
    "bcCodeUPC_A",           "bcCodeUPC_E0",          "bcCodeUPC_E1",      "bcCodeUPC_Supp2", "bcCodeUPC_Supp5",
    "bcCodeEAN128A",         "bcCodeEAN128B",         "bcCodeEAN128C"};

QSpinBox* spin(QWidget* parent, const char* name)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, 9999);
    return box;
}

QComboBox* alignBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems({QStringLiteral("居中"), QStringLiteral("左对齐"), QStringLiteral("右对齐")});
    return box;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

TF_Tmset::TF_Tmset(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Tmset"));
    setWindowTitle(QStringLiteral("铭拓条码打印"));
    setEscCloses(true);
    setMainAction([this] { btnSaveClick(); });

    auto* paper = new QGroupBox(QStringLiteral("1、打印纸张设置"), this);
    spnWidth = spin(paper, "spnWidth");
    spnHeight = spin(paper, "spnHeight");
    spnNum = spin(paper, "spnNum");
    spnPadding = spin(paper, "spnPadding");
    auto* paperForm = new QFormLayout(paper);
    paperForm->addRow(QStringLiteral("纸张宽度："), spnWidth);
    paperForm->addRow(QStringLiteral("纸张高度："), spnHeight);
    paperForm->addRow(QStringLiteral("每行打印"), spnNum);
    paperForm->addRow(QStringLiteral("条码间隔："), spnPadding);
    spnWidth->setSuffix(QStringLiteral(" 毫米"));
    spnHeight->setSuffix(QStringLiteral(" 毫米"));
    spnNum->setSuffix(QStringLiteral(" 枚条码"));
    spnPadding->setSuffix(QStringLiteral(" 像素（每行打印2枚以上条码才有效）"));

    auto* title = new QGroupBox(QStringLiteral("2、条码标题设置"), this);
    cbTitleDisp = check(title, "cbTitleDisp", QStringLiteral("显示条码标题"));
    memTitle = new QPlainTextEdit(title);
    memTitle->setObjectName(QStringLiteral("memTitle"));
    spnTitleLeft = spin(title, "spnTitleLeft");
    spnTitleTop = spin(title, "spnTitleTop");
    spnTitlePadding = spin(title, "spnTitlePadding");
    cbTitleAlign = alignBox(title, "cbTitleAlign");
    auto* titleForm = new QFormLayout(title);
    titleForm->addRow(cbTitleDisp);
    titleForm->addRow(memTitle);
    titleForm->addRow(QStringLiteral("标题左边距："), spnTitleLeft);
    titleForm->addRow(QStringLiteral("标题上边距："), spnTitleTop);
    titleForm->addRow(QStringLiteral("行与行间隔："), spnTitlePadding);
    titleForm->addRow(QStringLiteral("对齐方式："), cbTitleAlign);

    auto* code = new QGroupBox(QStringLiteral("3、条码设置"), this);
    edtCode = new QLineEdit(code);
    edtCode->setObjectName(QStringLiteral("edtCode"));
    edtCode->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,64}")), edtCode));
    spnCodeLeft = spin(code, "spnCodeLeft");
    spnCodeTop = spin(code, "spnCodeTop");
    spnCodeHeight = spin(code, "spnCodeHeight");
    cbCodeType = new QComboBox(code);
    cbCodeType->setObjectName(QStringLiteral("cbCodeType"));
    for (const char* s : kSymbologies)
        cbCodeType->addItem(QString::fromLatin1(s));
    cbCodeDisp = check(code, "cbCodeDisp", QStringLiteral("显示条码内容"));
    auto* codeForm = new QFormLayout(code);
    codeForm->addRow(QStringLiteral("条码内容："), edtCode);
    codeForm->addRow(QStringLiteral("条码左边距："), spnCodeLeft);
    codeForm->addRow(QStringLiteral("条码上边距："), spnCodeTop);
    codeForm->addRow(QStringLiteral("条码的高度："), spnCodeHeight);
    codeForm->addRow(QStringLiteral("条码的类型："), cbCodeType);
    codeForm->addRow(cbCodeDisp);

    auto* foot = new QGroupBox(QStringLiteral("4、条码脚注设置"), this);
    cbFootDisp = check(foot, "cbFootDisp", QStringLiteral("显示条码脚注"));
    memFoot = new QPlainTextEdit(foot);
    memFoot->setObjectName(QStringLiteral("memFoot"));
    spnFootLeft = spin(foot, "spnFootLeft");
    spnFootTop = spin(foot, "spnFootTop");
    spnFootPadding = spin(foot, "spnFootPadding");
    cbFootAlign = alignBox(foot, "cbFootAlign");
    auto* footForm = new QFormLayout(foot);
    footForm->addRow(cbFootDisp);
    footForm->addRow(memFoot);
    footForm->addRow(QStringLiteral("脚注左边距："), spnFootLeft);
    footForm->addRow(QStringLiteral("脚注上边距："), spnFootTop);
    footForm->addRow(QStringLiteral("行与行间隔："), spnFootPadding);
    footForm->addRow(QStringLiteral("对齐方式："), cbFootAlign);

    QGroupBox* groups[] = {paper, title, code, foot};
    for (int i = 0; i < 4; ++i) {
        btnApply[i] = namedButton(groups[i], QStringLiteral("btnApply%1").arg(i).toLatin1().constData(), QStringLiteral("应用(F5)"));
        static_cast<QFormLayout*>(groups[i]->layout())->addRow(btnApply[i]);
        onClicked(btnApply[i], [this] { btnSaveClick(); });
    }
    btnSave = namedButton(this, "btnSave", QStringLiteral("保存设置(F2)"));
    btnDefault = namedButton(this, "btnDefault", QStringLiteral("恢复默认(F3)"));
    auto* grid = new QGridLayout;
    grid->addWidget(paper, 0, 0);
    grid->addWidget(title, 0, 1);
    grid->addWidget(code, 1, 0);
    grid->addWidget(foot, 1, 1);
    auto* col = new QVBoxLayout(this);
    col->addLayout(grid);
    col->addLayout(buttonRow({btnSave, btnDefault}));
    onClicked(btnSave, [this] { btnSaveClick(); });
    onClicked(btnDefault, [this] { showLayout(LabelLayout()); });
}

void TF_Tmset::FormActivate()
{
    showLayout(loadLabelLayout());
}

bool TF_Tmset::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { btnSaveClick(); });
        return true;
    }
    if (event->key() == Qt::Key_F3) {
        showLayout(LabelLayout());
        return true;
    }
    return false;
}

void TF_Tmset::showLayout(const LabelLayout& l)
{
    spnWidth->setValue(l.width);
    spnHeight->setValue(l.height);
    spnNum->setValue(l.num);
    spnPadding->setValue(l.padding);
    cbTitleDisp->setChecked(l.titleDisp);
    memTitle->setPlainText(l.title);
    spnTitleLeft->setValue(l.titleLeft);
    spnTitleTop->setValue(l.titleTop);
    spnTitlePadding->setValue(l.titlePadding);
    cbTitleAlign->setCurrentIndex(qBound(0, l.titleAlign, 2));
    edtCode->setText(l.code);
    spnCodeLeft->setValue(l.codeLeft);
    spnCodeTop->setValue(l.codeTop);
    spnCodeHeight->setValue(l.codeHeight);
    cbCodeType->setCurrentIndex(qBound(0, l.codeType, cbCodeType->count() - 1));
    cbCodeDisp->setChecked(l.codeDisp);
    cbFootDisp->setChecked(l.footDisp);
    memFoot->setPlainText(l.foot);
    spnFootLeft->setValue(l.footLeft);
    spnFootTop->setValue(l.footTop);
    spnFootPadding->setValue(l.footPadding);
    cbFootAlign->setCurrentIndex(qBound(0, l.footAlign, 2));
}

LabelLayout TF_Tmset::currentLayout() const
{
    return {spnWidth->value(),       spnHeight->value(),       spnNum->value(),           spnPadding->value(),
            cbTitleDisp->isChecked(), memTitle->toPlainText(), spnTitleLeft->value(),      spnTitleTop->value(),
            spnTitlePadding->value(), cbTitleAlign->currentIndex(), edtCode->text(),      spnCodeLeft->value(),
            spnCodeTop->value(),     spnCodeHeight->value(),   cbCodeType->currentIndex(), cbCodeDisp->isChecked(),
            cbFootDisp->isChecked(), memFoot->toPlainText(),   spnFootLeft->value(),      spnFootTop->value(),
            spnFootPadding->value(), cbFootAlign->currentIndex()};
}

void TF_Tmset::btnSaveClick()
{
    saveLabelLayout(currentLayout());
}
