#include "stock/bsby_sele.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "stock/bsby.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

TF_Bsby_Sele* F_Bsby_Sele = nullptr;

TF_Bsby_Sele::TF_Bsby_Sele(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入商品数量"),
                     .group = QStringLiteral("商品信息"),
                     .priceLabel = QString(),
                     .captionPrefix = QStringLiteral("商品信息(商品报损)"),
                     .lastPrice = false,
                     .priceShown = false,
                     .zeroQuantity = QStringLiteral("数量不能为0，重新输入！")},
                    parent)
{
    setObjectName(QStringLiteral("TF_Bsby_Sele"));
    setWindowTitle(QStringLiteral("商品信息(商品报损)"));
    addMode({QStringLiteral("bsby_add"), Write::ScratchAdd, nullptr, Price::Offered});
    addMode({QStringLiteral("bsby_modi"), Write::ScratchModify, nullptr, Price::Line});
    addMode({QStringLiteral("bsby"), Write::LineModify, &bsbyLines(), Price::Line});
    tnote = nameBox(this, "tnote", 64);
    installKeyFilter(tnote);
    auto* grid = static_cast<QGridLayout*>(findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->layout());
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QStringLiteral("备注：")), row, 0);
    grid->addWidget(tnote, row, 1);
}

Money TF_Bsby_Sele::offeredPrice(const ResultSet& goods) const
{
    // A line is valued at the goods' preset purchase price when it is picked.
    return Money::fromText(goods.text(0, QStringLiteral("g_jj")));
}

void TF_Bsby_Sele::FormActivate()
{
    TF_LineDialog::FormActivate();
    if (bsbyWindowKind() == BsbyKind::Overflow)
        setWindowTitle(windowTitle().replace(QStringLiteral("商品报损"), QStringLiteral("商品报溢")));
}

void TF_Bsby_Sele::lineOpened()
{
    tnote->clear();
    const Mode* mode = currentMode();
    if (!mode || mode->write == Write::ScratchAdd)
        return;
    const QString sql = mode->write == Write::ScratchModify
                            ? QStringLiteral("select ts_note from jxc_tempspxf where id=?")
                            : QStringLiteral("select %1 from %2 where id=?")
                                  .arg(QLatin1String(bsbyTables(bsbyWindowKind()).noteColumn),
                                       QLatin1String(bsbyLines().lineTable));
    tnote->setText(selectValue(sql, {{QString(), lineDialogTarget.lineId}}));
}

void TF_Bsby_Sele::lineWritten(const Mode& mode, qint64 id)
{
    // The header and the lines name their note alike (bs_note, by_note).
    const QString note = tnote->text().trimmed();
    if (mode.write == Write::LineModify)
        execSql(QStringLiteral("update %1 set %2=? where id=?")
                    .arg(QLatin1String(bsbyLines().lineTable), QLatin1String(bsbyTables(bsbyWindowKind()).noteColumn)),
                {{QString(), sqlSafeName(note)}, {QString(), id}});
    else
        execSql(QStringLiteral("update jxc_tempspxf set ts_note=? where id=?"), {{QString(), note}, {QString(), id}});
}
