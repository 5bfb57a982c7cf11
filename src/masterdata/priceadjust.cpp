#include "masterdata/priceadjust.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/datamodule.h"

namespace {

constexpr auto kDateTime = "yyyy-MM-dd HH:mm:ss";

ResultSet goodsRow(const QString& gSn)
{
    return openSelect(QStringLiteral("select * from jxc_goods where g_sn=?"), {{QString(), gSn}});
}

bool isTrue(const QString& bit)
{
    return bit == u"True";
}

// "label"由"old"调为"new";
QString valuePiece(const QString& label, const QString& oldValue, const QString& newValue)
{
    return QStringLiteral("\"%1\"由\"%2\"调为\"%3\";").arg(label, oldValue, newValue);
}

}  // namespace

QString priceAdjustDescription(const PriceAdjustment& adj)
{
    const ResultSet rs = goodsRow(adj.gSn);
    if (rs.isEmpty())
        return QString();
    auto stored = [&rs](const char* col) { return rs.text(0, QString::fromLatin1(col)); };
    QString text;
    auto money = [&](const char* col, Money typed, const QString& label) {
        if (Money::fromText(stored(col)) != typed)
            text += valuePiece(label, stored(col), typed.toText());
    };
    money("g_jj", adj.purchasePrice, QStringLiteral("预设进价"));
    money("g_sj", adj.salePrice, QStringLiteral("预设售价"));
    money("g_dzll", adj.discount, QStringLiteral("折扣率"));
    if (adj.disabled != isTrue(stored("g_jy")))
        text += adj.disabled ? QStringLiteral("由\"使用\"调为\"停止使用\";") : QStringLiteral("由\"停止使用\"调为\"使用\";");
    if (adj.special != isTrue(stored("g_tjsp"))) {
        if (adj.special) {
            text += QStringLiteral("调为\"特价商品\";");
            money("g_tj", adj.specialPrice, QStringLiteral("商品特价"));
            money("g_hyj", adj.memberPrice, QStringLiteral("会员价"));
        } else {
            text += QStringLiteral("调为\"非特价商品\";");
        }
    }
    if (adj.hasPeriod != isTrue(stored("g_tjqx"))) {
        if (adj.hasPeriod)
            text += QStringLiteral("调为\"有特价期限\";期限从\"%1\"至\"%2\".")
                        .arg(adj.periodStart.toString(QLatin1String(kDateTime)),
                             adj.periodEnd.toString(QLatin1String(kDateTime)));
        else
            text += QStringLiteral("调为\"无特价期限\";");
    }
    return text;
}

QString adjustGoodsPrice(const PriceAdjustment& adj, const QString& operatorName)
{
    if (adj.discount <= Money())
        return QString::fromUtf16(kDiscountNotPositive);
    if (adj.special && adj.specialPrice <= Money() && adj.memberPrice <= Money())
        return QString::fromUtf16(kSpecialPriceNotPositive);
    Transaction tx;
    if (goodsRow(adj.gSn).isEmpty())
        return QString();
    const QString description = priceAdjustDescription(adj);
    const QVariant none;
    execSql(QStringLiteral("update jxc_goods set g_jj=?,g_scjj=?,g_pjjj=?,g_sj=?,g_dzll=?,g_jy=?,g_tjsp=?,g_tj=?,"
                           "g_hyj=?,g_tjqx=?,g_ks=?,g_js=? where g_sn=?"),
            {{QString(), adj.purchasePrice.toDouble()},
             {QString(), adj.purchasePrice.toDouble()},
             {QString(), adj.purchasePrice.toDouble()},
             {QString(), adj.salePrice.toDouble()},
             {QString(), adj.discount.toDouble()},
             {QString(), adj.disabled ? 1 : 0},
             {QString(), adj.special ? 1 : 0},
             {QString(), adj.special ? adj.specialPrice.toDouble() : 0.0},
             {QString(), adj.special ? adj.memberPrice.toDouble() : 0.0},
             {QString(), adj.hasPeriod ? 1 : 0},
             {QString(), adj.hasPeriod ? QVariant(adj.periodStart.toString(QLatin1String(kDateTime))) : none},
             {QString(), adj.hasPeriod ? QVariant(adj.periodEnd.toString(QLatin1String(kDateTime))) : none},
             {QString(), adj.gSn}});
    execSql(QStringLiteral("insert into jxc_sptjb (g_sn,tj_rq,tj_nr,a_name) values (?,?,?,?)"),
            {{QString(), adj.gSn}, {QString(), nowText()}, {QString(), description}, {QString(), operatorName}});
    tx.commit();
    return QString();
}

void buildPricePreview(const QString& gSn, const QString& operatorName)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_sptjtmp where a_name=?"), {{QString(), operatorName}});
    const ResultSet goods = goodsRow(gSn);
    if (goods.isEmpty()) {
        tx.commit();
        return;
    }
    const QString name = goods.text(0, QStringLiteral("g_name"));
    const Money salePrice = Money::fromText(goods.text(0, QStringLiteral("g_sj")));
    const QString goodsDiscount = goods.text(0, QStringLiteral("g_dzll"));
    const bool special = isTrue(goods.text(0, QStringLiteral("g_tjsp")));

    // One row: the class (empty code for ordinary customers), its own discount and the special
    // price that applies to it.
    auto addRow = [&](const QString& hlSn, const QString& hlName, const QString& classDiscount, const QString& tjCol) {
        const ResultSet found = openSelect(QStringLiteral("select hl_dxzk from jxc_dxdz where hl_sn=? and g_sn=?"),
                                           {{QString(), hlSn}, {QString(), gSn}});
        const bool hasSingle = !found.isEmpty();
        const QString single = hasSingle ? found.text(0, QStringLiteral("hl_dxzk")) : QString();
        const QString d = hasSingle ? single : classDiscount;
        QString finalDiscount = d;
        Money finalPrice = Money::fromText(d) * salePrice;
        if (d == u"1") {  // no discount of the customer: the goods' own applies
            finalDiscount = goodsDiscount;
            finalPrice = salePrice * Money::fromText(goodsDiscount);
        }
        QString zk = classDiscount;
        QString tjsp = QStringLiteral("否");
        const Money tj = Money::fromText(goods.text(0, tjCol));
        if (special && !tj.isZero()) {
            tjsp = QStringLiteral("是");
            zk = finalDiscount = QStringLiteral("1");
            finalPrice = tj;
        }
        appendRow(QStringLiteral("jxc_sptjtmp"),
                  {{QStringLiteral("hl_sn"), hlSn},
                   {QStringLiteral("hl_name"), hlName},
                   {QStringLiteral("g_name"), name},
                   {QStringLiteral("sp_sj"), salePrice.toDouble()},
                   {QStringLiteral("sp_dzll"), Money::fromText(goodsDiscount).toDouble()},
                   {QStringLiteral("sp_zk"), Money::fromText(zk).toDouble()},
                   {QStringLiteral("sp_dxdz"), hasSingle ? single : QStringLiteral("无")},
                   {QStringLiteral("sp_zzzk"), Money::fromText(finalDiscount).toDouble()},
                   {QStringLiteral("sp_tjsp"), tjsp},
                   {QStringLiteral("sp_tj"), tj.toDouble()},
                   {QStringLiteral("sp_zzdj"), finalPrice.toDouble()},
                   {QStringLiteral("a_name"), operatorName}});
    };
    addRow(QString(), QStringLiteral("普通顾客"), QStringLiteral("1"), QStringLiteral("g_tj"));
    const ResultSet classes = openSelect(QStringLiteral("select hl_sn,hl_name,hl_zk from jxc_hyfl order by id"));
    for (int r = 0; r < classes.rowCount(); ++r)
        addRow(classes.text(r, QStringLiteral("hl_sn")), classes.text(r, QStringLiteral("hl_name")),
               classes.text(r, QStringLiteral("hl_zk")), QStringLiteral("g_hyj"));
    tx.commit();
}

void setStockCost(qint64 kcspId, Money cost)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_kcsp set kc_cbj=? where id=?"), {{QString(), cost.toDouble()}, {QString(), kcspId}});
    tx.commit();
}
