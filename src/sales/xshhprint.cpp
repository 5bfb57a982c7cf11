#include "sales/xshhprint.h"

#include "data/database.h"
#include "platform/report.h"
#include "data/textrules.h"

namespace {

const QString kDs = QStringLiteral("frxDBDataset1");

QString field(const char* name)
{
    return QStringLiteral("[frxDBDataset1.\"%1\"]").arg(QLatin1String(name));
}

QString sum(const char* name)
{
    return QStringLiteral("[SUM(<frxDBDataset1.\"%1\">)]").arg(QLatin1String(name));
}

// The line columns: caption, field, width (mm), right-aligned.
struct LineColumn {
    const char* caption;
    const char* field;
    double width;
    bool number;
};
const LineColumn kColumns[] = {{"商品编号", "g_sn", 25, false}, {"商品名称", "g_name", 45, false},
                               {"单位", "dw_name", 15, false},  {"款型说明", "gg_name", 30, false},
                               {"单价", "ls_dj", 20, true},     {"折扣率", "ls_dzl", 15, true},
                               {"数量", "ls_sl", 15, true},     {"总计金额", "ls_zje", 25, true}};

// x of the quantity column and of the amount column.
double columnX(const char* name)
{
    double x = 0;
    for (const LineColumn& c : kColumns) {
        if (qstrcmp(c.field, name) == 0)
            return x;
        x += c.width;
    }
    return x;
}

ReportObject cell(double x, double y, double w, double h, const QString& text, bool right = false,
                  const QString& frame = QStringLiteral("ltrb"))
{
    return reportText(QRectF(x, y, w, h), text, 9, false, right ? ReportHAlign::Right : ReportHAlign::Left, frame);
}

// A row "小计"/"合计" with the sums of quantity and amount.
void addTotals(ReportBand& band, const QString& caption)
{
    const double sl = columnX("ls_sl");
    const double zje = columnX("ls_zje");
    band.objects << cell(0, 0, sl, 6, caption);
    ReportObject q = cell(sl, 0, 15, 6, sum("ls_sl"), true);
    ReportObject a = cell(zje, 0, 25, 6, sum("ls_zje"), true);
    a.format = QStringLiteral("0.00");
    band.objects << q << a;
}

}  // namespace

ReportTemplate xshhLayout()
{
    ReportTemplate t;
    t.page = ReportPageSetup{};  // A4 portrait, 10 mm margins: 190 mm wide

    ReportBand& title = t.addBand(ReportBandKind::ReportTitle, 12);
    title.objects << reportText(QRectF(0, 0, 190, 10), QStringLiteral("销售换货单"), 16, true, ReportHAlign::Center);

    ReportBand& head = t.addBand(ReportBandKind::PageHeader, 38);
    head.objects << reportText(QRectF(0, 0, 190, 6), QStringLiteral("单号：") + field("gl_djh"));
    head.objects << reportText(QRectF(0, 6, 95, 6), QStringLiteral("仓库名称：[ckName]"));
    head.objects << reportText(QRectF(95, 6, 95, 6), QStringLiteral("开单日期：[jhDate]"));
    // The buyer's block.
    head.objects << cell(0, 13, 12, 12, QStringLiteral("购货\n单位"));
    head.objects << cell(12, 13, 20, 6, QStringLiteral("客户名称")) << cell(32, 13, 158, 6, QStringLiteral("[khName]"));
    head.objects << cell(12, 19, 20, 6, QStringLiteral("联系人")) << cell(32, 19, 30, 6, QStringLiteral("[khLxr]"));
    head.objects << cell(62, 19, 20, 6, QStringLiteral("联系地址")) << cell(82, 19, 58, 6, QStringLiteral("[khAddress]"));
    head.objects << cell(140, 19, 20, 6, QStringLiteral("联系电话")) << cell(160, 19, 30, 6, QStringLiteral("[khTele]"));
    double x = 0;
    for (const LineColumn& c : kColumns) {
        ReportObject caption = cell(x, 30, c.width, 7, QString::fromUtf8(c.caption));
        caption.align = ReportHAlign::Center;
        caption.font.bold = true;
        head.objects << caption;
        x += c.width;
    }

    ReportBand& group = t.addBand(ReportBandKind::GroupHeader, 7);
    group.condition = QStringLiteral("frxDBDataset1.\"lstype\"");
    group.objects << reportText(QRectF(0, 0, 190, 7), field("lstype"), 10, true);

    ReportBand& rows = t.addBand(ReportBandKind::MasterData, 6, kDs);
    x = 0;
    for (const LineColumn& c : kColumns) {
        ReportObject o = cell(x, 0, c.width, 6, field(c.field), c.number);
        if (c.number && qstrcmp(c.field, "ls_sl") != 0)
            o.format = QStringLiteral("0.00");
        rows.objects << o;
        x += c.width;
    }

    ReportBand& groupFoot = t.addBand(ReportBandKind::GroupFooter, 6);
    addTotals(groupFoot, QStringLiteral("小计"));

    ReportBand& summary = t.addBand(ReportBandKind::Summary, 20);
    addTotals(summary, QStringLiteral("合计"));
    summary.objects << cell(0, 6, 25, 7, QStringLiteral("结算金额"));
    summary.objects << cell(25, 6, 65, 7, QStringLiteral("(小写) [yf]"));
    summary.objects << cell(90, 6, 100, 7, QStringLiteral("(大写) [sf]"));
    summary.objects << cell(0, 13, 25, 7, QStringLiteral("备注")) << cell(25, 13, 165, 7, QStringLiteral("[Note]"));

    ReportBand& foot = t.addBand(ReportBandKind::PageFooter, 26);
    foot.objects << cell(0, 0, 12, 12, QStringLiteral("销货\n单位"));
    foot.objects << cell(12, 0, 20, 6, QStringLiteral("单位名称")) << cell(32, 0, 158, 6, QStringLiteral("[comName]"));
    foot.objects << cell(12, 6, 20, 6, QStringLiteral("联系电话")) << cell(32, 6, 40, 6, QStringLiteral("[comTele]"));
    foot.objects << cell(72, 6, 20, 6, QStringLiteral("联系地址")) << cell(92, 6, 98, 6, QStringLiteral("[comAddress]"));
    foot.objects << cell(0, 12, 32, 6, QStringLiteral("单据说明")) << cell(32, 12, 158, 6, QString());
    foot.objects << reportText(QRectF(0, 19, 63, 6), QStringLiteral("经办人：[uName]"));
    foot.objects << reportText(QRectF(63, 19, 63, 6), QStringLiteral("操作员：") + field("a_name"));
    foot.objects << reportText(QRectF(126, 19, 64, 6), QStringLiteral("审核："));
    return t;
}

QString xshhLinesSql(const QString& djh)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,"
                          "iif(a.ls_sl>0,'出库商品','入库商品') as lstype from jxc_lsxssp a,jxc_goods b "
                          "where a.g_sn=b.g_sn and a.gl_djh='%1' order by iif(a.ls_sl>0,0,1),a.id")
        .arg(sqlSafe(djh));
}

BillPrint xshhPrint(const SpxsPrintBill& bill)
{
    const ResultSet contact = partnerCardRow(true, bill.khSn);
    BillPrint p;
    p.layout = xshhLayout();
    p.linesSql = xshhLinesSql(bill.djh);
    p.variables = {{QStringLiteral("khName"), bill.khName.trimmed()}};
    p.variables += partnerContactVariables(true, contact);
    p.variables += {{QStringLiteral("ckName"), bill.ckName},
                    {QStringLiteral("jhDate"), bill.date},
                    {QStringLiteral("Note"), bill.note},
                    {QStringLiteral("uName"), bill.uName},
                    {QStringLiteral("yf"), bill.due},
                    {QStringLiteral("sf"), moneyToDx(bill.due)}};
    return p;
}
