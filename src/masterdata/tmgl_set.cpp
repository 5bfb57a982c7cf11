#include "masterdata/tmgl_set.h"

#include "data/datamodule.h"
#include "masterdata/barcodes.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TF_Tmgl_Set* F_Tmgl_Set = nullptr;

namespace {

QTableWidget* codeGrid(QWidget* parent, const char* name)
{
    auto* grid = new QTableWidget(2, 0, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setMaximumHeight(80);
    return grid;
}

void fillGrid(QTableWidget* grid, const QList<TmCodeColumn>& columns)
{
    grid->setColumnCount(columns.size());
    for (int c = 0; c < columns.size(); ++c) {
        auto* name = new QTableWidgetItem(columns.at(c).first);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        grid->setItem(0, c, name);
        grid->setItem(1, c, new QTableWidgetItem(columns.at(c).second));
    }
}

QList<TmCodeColumn> gridColumns(const QTableWidget* grid)
{
    QList<TmCodeColumn> columns;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem* code = grid->item(1, c);
        columns.append({grid->item(0, c)->text(), code ? code->text().trimmed() : QString()});
    }
    return columns;
}

}  // namespace

TF_Tmgl_Set::TF_Tmgl_Set(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Tmgl_Set"));
    setWindowTitle(QStringLiteral("条码设置"));
    resize(560, 380);
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    lblSn = new QLabel(this);
    lblName = new QLabel(this);
    edtSptm = new QLineEdit(this);
    edtSptm->setObjectName(QStringLiteral("edtSptm"));
    edtSptm->setMaxLength(32);
    cbType = new QComboBox(this);
    cbType->setObjectName(QStringLiteral("cbType"));
    cbType->addItems({QStringLiteral("商品条码+颜色+尺码"), QStringLiteral("商品条码+尺码+颜色")});
    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("商品编号："), this), 0, 0);
    head->addWidget(lblSn, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("商品名称："), this), 0, 2);
    head->addWidget(lblName, 0, 3);
    head->addWidget(new QLabel(QStringLiteral("商品条码："), this), 1, 0);
    head->addWidget(edtSptm, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("条码格式："), this), 1, 2);
    head->addWidget(cbType, 1, 3);
    auto* colorBox = new QGroupBox(QStringLiteral("输入本款服装对应的颜色代码"), this);
    gridColor = codeGrid(colorBox, "gridColor");
    (new QVBoxLayout(colorBox))->addWidget(gridColor);
    auto* sizeBox = new QGroupBox(QStringLiteral("输入本款服装对应的尺码代码"), this);
    gridSize = codeGrid(sizeBox, "gridSize");
    (new QVBoxLayout(sizeBox))->addWidget(gridSize);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* col = new QVBoxLayout(this);
    col->addLayout(head);
    col->addWidget(colorBox);
    col->addWidget(sizeBox);
    col->addLayout(buttonRow({btnOK, btnCancel}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { close(); });
}

void TF_Tmgl_Set::FormActivate()
{
    const ResultSet g = openSelect(QStringLiteral("select g_sn,g_name,g_sptm,g_tmtype,colorz_sn,cmz_sn from jxc_goods where g_sn=?"),
                                   {{QString(), gSn}});
    if (g.isEmpty())
        return;
    lblSn->setText(g.text(0, 0));
    lblName->setText(g.text(0, 1));
    edtSptm->setText(g.text(0, 2));
    cbType->setCurrentIndex(g.text(0, 3) == u"2" ? 1 : 0);
    fillGrid(gridColor, goodsColorCodes(gSn, g.text(0, 4)));
    fillGrid(gridSize, goodsSizeCodes(gSn, g.text(0, 5)));
}

void TF_Tmgl_Set::btnOKClick()
{
    setGoodsTmCodes(gSn, edtSptm->text(), cbType->currentIndex() == 1 ? 2 : 1, gridColumns(gridColor), gridColumns(gridSize));
    close();
}
