#include "platform/voucher.h"

#include "data/textrules.h"
#include "platform/report.h"

namespace {

constexpr double kWidth = 190;  // content width of the A5-across sheet, mm
constexpr double kRow = 7;

ReportObject cell(double x, double y, double w, double h, const QString& text, bool bold = false,
                  ReportHAlign align = ReportHAlign::Left, const QString& frame = QStringLiteral("ltrb"))
{
    ReportObject o = reportText(QRectF(x, y, w, h), text, 10, bold, align, frame);
    o.valign = ReportVAlign::Center;
    return o;
}

// A party block of three rows: its caption on the left over the three rows, then name,
// telephone and address.
void partyBlock(ReportBand& band, double x, double y, double w, const QString& caption, const QString& who)
{
    band.objects.append(cell(x, y, 10, 3 * kRow, caption, true, ReportHAlign::Center));
    band.objects.last().wordWrap = true;
    const QStringList labels{QStringLiteral("全称"), QStringLiteral("联系电话"), QStringLiteral("联系地址")};
    const QStringList fields{QStringLiteral("Name"), QStringLiteral("Tele"), QStringLiteral("Address")};
    for (int i = 0; i < 3; ++i) {
        band.objects.append(cell(x + 10, y + i * kRow, 18, kRow, labels[i], false, ReportHAlign::Center));
        band.objects.append(cell(x + 28, y + i * kRow, w - 28, kRow, QLatin1Char('[') + who + fields[i] + QLatin1Char(']')));
    }
}

}  // namespace

ReportTemplate voucherLayout(VoucherKind kind)
{
    ReportTemplate t;
    t.page.width = 210;
    t.page.height = 148;
    t.page.left = t.page.right = 10;
    t.page.top = t.page.bottom = 8;

    const bool partyVoucher = kind != VoucherKind::Money;
    ReportBand& band = t.addBand(ReportBandKind::ReportTitle, partyVoucher ? 100 : 80);
    ReportObject title = reportText(QRectF(0, 0, kWidth, 10), QStringLiteral("[bTitle]"), 16, true, ReportHAlign::Center);
    title.font.family = QStringLiteral("Noto Serif CJK SC");
    band.objects.append(title);
    band.objects.append(reportText(QRectF(0, 12, 95, 6), QStringLiteral("开票日期：[DATE]")));
    if (partyVoucher)
        band.objects.append(reportText(QRectF(95, 12, 95, 6), QStringLiteral("单号：[djh]"), 9, false,
                                       ReportHAlign::Right));

    double y = 19;
    if (kind == VoucherKind::SupplierPayment) {
        partyBlock(band, 0, y, kWidth / 2, QStringLiteral("付款人"), QStringLiteral("com"));
        partyBlock(band, kWidth / 2, y, kWidth / 2, QStringLiteral("收款人"), QStringLiteral("ghs"));
        y += 3 * kRow;
    } else if (kind == VoucherKind::CustomerReceipt) {
        partyBlock(band, 0, y, kWidth / 2, QStringLiteral("付款人"), QStringLiteral("kh"));
        partyBlock(band, kWidth / 2, y, kWidth / 2, QStringLiteral("收款人"), QStringLiteral("com"));
        y += 3 * kRow;
    } else {
        band.objects.append(cell(0, y, 25, kRow, QStringLiteral("费用名称"), true, ReportHAlign::Center));
        band.objects.append(cell(25, y, 70, kRow, QStringLiteral("[fymc]")));
        band.objects.append(cell(95, y, 25, kRow, QStringLiteral("付款账户"), true, ReportHAlign::Center));
        band.objects.append(cell(120, y, 70, kRow, QStringLiteral("[fkfs]")));
        y += kRow;
    }

    // The amount row: "金额", "人民币 (大写)" and the capitals, then the twelve digit cells under
    // their place headings.
    constexpr double digit = 6;
    const double digitsX = kWidth - 12 * digit;
    band.objects.append(cell(0, y, 15, 2 * kRow, QStringLiteral("金额"), true, ReportHAlign::Center));
    band.objects.append(cell(15, y, 18, 2 * kRow, QStringLiteral("人民币\n(大写)"), false, ReportHAlign::Center));
    band.objects.last().wordWrap = true;
    band.objects.append(cell(33, y, digitsX - 33, 2 * kRow, QStringLiteral("[sf]")));
    static const char* const headings[] = {"十", "亿", "千", "百", "十", "万", "千", "百", "十", "元", "角", "分"};
    static const char* const cells[] = {"shiyi", "yi", "qianwan", "baiwan", "shiwan", "wan",
                                        "qian", "bai", "shi", "yuan", "jiao", "fen"};
    for (int i = 0; i < 12; ++i) {
        const double x = digitsX + i * digit;
        band.objects.append(cell(x, y, digit, kRow, QString::fromUtf8(headings[i]), false, ReportHAlign::Center));
        band.objects.append(cell(x, y + kRow, digit, kRow, QLatin1Char('[') + QLatin1String(cells[i]) + QLatin1Char(']'),
                                 false, ReportHAlign::Center));
    }
    y += 2 * kRow;

    if (partyVoucher) {
        band.objects.append(cell(0, y, kWidth, kRow, QStringLiteral("付款方式：[fkfs]")));
        y += kRow;
    }
    band.objects.append(cell(0, y, kWidth, 2 * kRow, QStringLiteral("附加说明：[pnote]")));
    band.objects.last().wordWrap = true;
    y += 2 * kRow + 2;
    band.objects.append(reportText(QRectF(0, y, 95, 6), QStringLiteral("经办人：[uname]")));
    band.objects.append(reportText(QRectF(95, y, 95, 6), QStringLiteral("操作员：[aname]")));
    band.height = y + 8;
    return t;
}

void setVoucherDigits(Report& rpt, Money amount)
{
    for (const VoucherCell& c : voucherDigitCells(amount))
        rpt.setVariable(c.first, reportQuote(c.second));
}
