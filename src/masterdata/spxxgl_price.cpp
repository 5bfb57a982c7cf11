#include "masterdata/spxxgl_price.h"

#include "data/datamodule.h"
#include "masterdata/goods.h"
#include "masterdata/spxxgl_price_modi.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Spxxgl_Price* F_Spxxgl_Price = nullptr;

CallerWords<PriceTarget>& priceCallers()
{
    static CallerWords<PriceTarget> words;
    return words;
}

TF_Spxxgl_Price::TF_Spxxgl_Price(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Spxxgl_Price"));
    setWindowTitle(QStringLiteral("商品售价列表"));
    setEscCloses(true);
    resize(360, 300);

    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->addColumn(QStringLiteral("gp_name"), QStringLiteral("售价名称"), 180);
    DBGrid1->addColumn(QStringLiteral("gp_price"), QStringLiteral("售价"), 100);
    auto button = [this](const char* name, const char* text) { return namedButton(this, name, QString::fromUtf8(text)); };
    btnModi = button("btnModi", "修改");
    btnExit = button("btnExit", "退出");
    btnOK = button("btnOK", "确定");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnModi);
    buttons->addStretch(1);
    buttons->addWidget(btnExit);
    buttons->addWidget(btnOK);
    auto* col = new QVBoxLayout(this);
    col->addWidget(DBGrid1, 1);
    col->addLayout(buttons);

    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnOK, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnOKClick(); }); });
}

void TF_Spxxgl_Price::FormActivate()
{
    NamedQuery* prices = DataModule->Q_GoodsPrice;
    if (DBGrid1->query() != prices)
        DBGrid1->setQuery(prices);
    // A word nobody registered, and a caller without a goods code, list the shared set.
    const PriceTarget* target = priceCallers().find(formFlag);
    const QString code = target && target->goodsCode ? target->goodsCode().trimmed() : QString();
    openQuery(prices, goodsPriceSql(code));
    if (prices->isEmpty()) {
        ensureGoodsPrices(code);
        close();
    }
}

void TF_Spxxgl_Price::btnModiClick()
{
    if (DBGrid1->currentRow() < 0)
        return;
    showForm(F_Spxxgl_Price_Modi);
}

void TF_Spxxgl_Price::btnOKClick()
{
    const int row = DBGrid1->currentRow();
    const PriceTarget* target = priceCallers().find(formFlag);
    if (row >= 0 && target && target->priceBox) {
        if (QLineEdit* box = target->priceBox())
            box->setText(DBGrid1->displayText(row, QStringLiteral("gp_price")));
    }
    accept();
}
