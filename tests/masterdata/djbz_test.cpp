// Preset bill remarks and the history of receipt notes.
#include "stafftest.h"

#include "platform/datagrid.h"

#include <QLineEdit>
#include <QTabWidget>

using namespace stafftest;

namespace {

// ---- Bill remarks ------------------------------------------------------------------------------------

TEST_F(StaffTest, RemarksAreUniqueInTheirStoredForm)
{
    const QString code = addRemark(QStringLiteral("月底结'清")).code;
    EXPECT_EQ(selectValue(QStringLiteral("select dj_name from jxc_djbz")), "月底结‘清");
    const QString other = addRemark(QStringLiteral("货到付款")).code;
    EXPECT_EQ(addRemark(QStringLiteral(" 月底结‘清 ")).error, "备注信息不能重复！");
    EXPECT_EQ(addRemark(QStringLiteral("  ")).error, "备注信息必须填写！");
    EXPECT_TRUE(modifyRemark(code, QStringLiteral("月底结'清")).ok());  // its own text
    EXPECT_EQ(modifyRemark(other, QStringLiteral("月底结'清")).error, "备注信息不能重复！");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_djbz")), "2");
}

TEST_F(StaffTest, RemarkPickerWritesTheCallersNoteBoxFromEitherTab)
{
    for (int i = 1; i <= 12; ++i)
        execSql(QStringLiteral("insert into jxc_jhd (j_sn,j_note) values (?,?)"),
                {{QString(), QStringLiteral("CJ%1").arg(i)}, {QString(), i == 3 ? QString() : QStringLiteral("备注%1").arg(i)}});
    execSql(QStringLiteral("insert into jxc_thd (th_note) values ('退货备注')"));
    QLineEdit note;
    note.setText(QStringLiteral("原有"));
    remarkCallers().add(QStringLiteral("jh"), [&note](const QString& remark) { note.setText(remark); });
    callerFlag = QStringLiteral("jh");

    openScripted<TF_Djbz>(F_Djbz, [](TF_Djbz* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Djbz_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Djbz_Add*>(f);
            EXPECT_EQ(d->windowTitle(), "增加常用备注信息");
            d->tname->setText(QStringLiteral("货到付款"));
            QTest::keyClick(d->tname, Qt::Key_F5);
        });
        w->btnAdd->click();
        TF_Form::scriptNextOpening(QStringLiteral("F_Djbz_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Djbz_Add*>(f);
            d->tname->setText(QStringLiteral("货到付款"));
            d->btnOKClick();
            EXPECT_TRUE(d->isVisible());
            d->btnExit->click();
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        w->btnOK->click();
    });
    EXPECT_EQ(boxes(), QStringList({"备注信息不能重复！"}));
    EXPECT_EQ(note.text(), "货到付款");

    openScripted<TF_Djbz>(F_Djbz, [](TF_Djbz* w) {
        EXPECT_EQ(w->RzPageControl1->currentIndex(), 0);
        QStringList notes;
        for (int r = 0; r < w->DBGrid2->rowCount(); ++r)
            notes << w->DBGrid2->value(w->DBGrid2->sourceRow(r), QStringLiteral("j_note"));
        EXPECT_EQ(notes, QStringList({"备注1", "备注2", "备注4", "备注5", "备注6", "备注7", "备注8", "备注9", "备注10",
                                      "备注11"}));
        w->RzPageControl1->setCurrentIndex(1);
        w->DBGrid2->setCurrentRow(2);
        w->btnOK->click();
    });
    EXPECT_EQ(note.text(), "备注4");
    remarkCallers().remove(QStringLiteral("jh"));
}

}  // namespace
