// Payment methods: the list answering the voucher that opened it.
#include "stafftest.h"

#include "platform/codecombo.h"
#include "platform/datagrid.h"

#include <QLineEdit>

using namespace stafftest;

namespace {

// ---- Payment methods ----------------------------------------------------------------------------

TEST_F(StaffTest, PaymentMethodChosenForAVoucherRefillsItsBox)
{
    CodeComboBox box;
    paymentMethodCallers().add(QStringLiteral("fk"), [&box] { return &box; });
    callerFlag = QStringLiteral("fk");
    openScripted<TF_Fkfs>(F_Fkfs, [](TF_Fkfs* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Fkfs_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Fkfs_Add*>(f);
            d->tname->setText(QStringLiteral("   "));
            d->btnOKClick();
            EXPECT_TRUE(d->isVisible());
            d->tname->setText(QStringLiteral(" 支付宝(扫码) "));
            QTest::keyClick(d->tname, Qt::Key_F5);
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 3);
        w->DBGrid1->setCurrentRow(2);
        emit w->DBGrid1->rowDoubleClicked(2);
        EXPECT_FALSE(w->isVisible());
    });
    paymentMethodCallers().remove(QStringLiteral("fk"));
    EXPECT_EQ(boxes(), QStringList({"付款方式必须填写！"}));
    EXPECT_EQ(comboTexts(box), QStringList({"新增付款方式.....", "现金", "银行转帐", "支付宝（扫码）"}));
    EXPECT_EQ(box.codeAt(0), "-1");
    EXPECT_EQ(box.currentCode(), "100003");
}

}  // namespace
