// Vouchers: the shipped templates are the program's layouts, and a voucher printed to PDF
// reads back with its capitals and its digit cells under their place headings.
#include "data/textrules.h"
#include "platform/report.h"
#include "platform/test_report_support.h"
#include "platform/voucher.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString shipped(const char* file)
{
    return QStringLiteral(JXC_SOURCE_DIR "/report/") + QLatin1String(file);
}

}  // namespace

TEST(Voucher, ShippedTemplatesAreTheLayouts)
{
    if (qEnvironmentVariableIsSet("JXC_WRITE_VOUCHERS")) {
        voucherLayout(VoucherKind::SupplierPayment).save(shipped("ghsfukuan.fr3"));
        voucherLayout(VoucherKind::CustomerReceipt).save(shipped("khsk.fr3"));
    }
    for (const auto& [file, kind] : {std::pair{"ghsfukuan.fr3", VoucherKind::SupplierPayment},
                                     std::pair{"khsk.fr3", VoucherKind::CustomerReceipt}}) {
        ReportTemplate t;
        ASSERT_TRUE(t.load(shipped(file))) << file;
        EXPECT_TRUE(t == voucherLayout(kind)) << file;
    }
}

TEST(Voucher, PrintsTheCapitalsAndTheDigitCells)
{
    const struct {
        VoucherKind kind;
        const char* amount;
        const char* digits;  // the cells as read back, left to right
        const char* party;
    } cases[] = {
        {VoucherKind::SupplierPayment, "1234.5", "￥123450", "O'Brien鞋业"},
        {VoucherKind::CustomerReceipt, "0.5", "50", "女式凉鞋专卖"},
        {VoucherKind::Money, "1234567890", "123456789000", ""},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        Report rpt;
        rpt.setLayout(voucherLayout(c.kind));
        const Money amount = Money::fromText(QString::fromUtf8(c.amount));
        rpt.setVariable(QStringLiteral("bTitle"), reportQuote(QStringLiteral("松岩鞋店付款单")));
        rpt.setVariable(QStringLiteral("sf"), reportQuote(moneyToDx(amount.toText())));
        rpt.setVariable(QStringLiteral("ghsName"), reportQuote(QString::fromUtf8(c.party)));
        rpt.setVariable(QStringLiteral("khName"), reportQuote(QString::fromUtf8(c.party)));
        rpt.setVariable(QStringLiteral("fymc"), reportQuote(QStringLiteral("现金(出款)")));
        setVoucherDigits(rpt, amount);
        const QString pdf = dir.filePath(QStringLiteral("v.pdf"));
        ASSERT_TRUE(rpt.exportPdf(pdf));
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(moneyToDx(amount.toText()))) << c.amount;
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.party))) << c.amount;
        EXPECT_TRUE(QString(text).remove(QRegularExpression(QStringLiteral("\\s+")))
                        .contains(QStringLiteral("十亿千百十万千百十元角分")));
        // The digit cells on their own line, read left to right.
        const QStringList lines = pdfText(pdf, {QStringLiteral("-layout")}).split(QLatin1Char('\n'));
        bool found = false;
        for (const QString& line : lines) {
            const QString squeezed = line.simplified().remove(QLatin1Char(' '));
            if (squeezed == QStringLiteral("(大写)") + QString::fromUtf8(c.digits))
                found = true;
        }
        EXPECT_TRUE(found) << c.amount << "\n" << lines.join(QLatin1Char('\n')).toStdString();
    }
}
