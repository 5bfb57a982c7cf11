// Supplier types, customer types and zones: saving, deleting, and answering the partner
// dialogs that open them as pickers.
#include "partnertest.h"

#include "data/settings.h"
#include "masterdata/ghsgl_add.h"
#include "masterdata/ghsgl_type.h"
#include "masterdata/khgl_modi.h"
#include "masterdata/khgl_type.h"
#include "masterdata/partnertypes.h"
#include "masterdata/zone.h"
#include "platform/datagrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

using RefListFunctions = PartnerTest;
using RefListWindows = PartnerTest;

TEST_F(RefListFunctions, SavesMoveTheDefaultMarkAndRefuseAnEmptyName)
{
    struct Case {
        RefListKind kind;
        const char* table;
        const char* defaultColumn;
        const char* emptyMessage;
    };
    const Case cases[] = {
        {RefListKind::GhsType, "jxc_ghstype", "gt_default", "供货商类型名称必须填写！"},
        {RefListKind::KhType, "jxc_khtype", "kt_default", "客户类型名称必须填写！"},
        {RefListKind::Zone, "jxc_zone", "z_default", "地区名称必须填写！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        const QString marked = QStringLiteral("select count(*) from %1 where %2<>0").arg(c.table, c.defaultColumn);
        EXPECT_EQ(saveRefItem(c.kind, 0, QStringLiteral("  "), true).message, c.emptyMessage);
        const RefListResult added = saveRefItem(c.kind, 0, QStringLiteral(" 新.项 "), true);
        EXPECT_EQ(added.code, "100004");
        EXPECT_EQ(selectValue(marked), "1");
        const QString id = selectValue(QStringLiteral("select id from %1 where %2='100001'")
                                           .arg(c.table, refListSide(c.kind).snColumn));
        EXPECT_EQ(saveRefItem(c.kind, id.toLongLong(), QStringLiteral("改名"), true).code, "100001");
        EXPECT_EQ(selectValue(marked), "1");
        EXPECT_EQ(selectValue(QStringLiteral("select %1 from %2 where id=%3")
                                  .arg(refListSide(c.kind).nameColumn, c.table, id)),
                  "改名");
        saveRefItem(c.kind, id.toLongLong(), QStringLiteral("改名"), false);
        EXPECT_EQ(selectValue(marked), "0");
    }
}

TEST_F(RefListFunctions, AnEntryInUseIsNotDeletedAndAZoneOfCustomersGetsTheSuppliersMessage)
{
    execSql("update jxc_khxx set z_name='地市区域',kt_name='B级客户' where kh_sn='100001'");
    execSql("update jxc_ghsxx set gt_name='C级供货商' where ghs_sn='100001'");
    const auto idOf = [](const char* table, const char* column, const char* name) {
        return selectValue(QStringLiteral("select id from %1 where %2='%3'").arg(table, column, name)).toLongLong();
    };
    EXPECT_EQ(deleteRefItem(RefListKind::Zone, idOf("jxc_zone", "z_name", "地市区域")), "该地区供货商在使用，不能删除！");
    EXPECT_EQ(deleteRefItem(RefListKind::KhType, idOf("jxc_khtype", "kt_name", "B级客户")), "该类型客户在使用，不能删除！");
    EXPECT_EQ(deleteRefItem(RefListKind::GhsType, idOf("jxc_ghstype", "gt_name", "C级供货商")),
              "该类型供货商在使用，不能删除！");
    EXPECT_EQ(selectValue("select count(*) from jxc_zone"), "3");
    EXPECT_EQ(deleteRefItem(RefListKind::Zone, idOf("jxc_zone", "z_name", "省会地区")), "");
    EXPECT_EQ(selectValue("select count(*) from jxc_zone"), "2");
}

TEST_F(RefListWindows, TheZoneWindowRefusesDeletingAZoneInUseAndDeletesAfterTheQuestion)
{
    execSql("update jxc_khxx set z_name='地市区域' where kh_sn='100001'");
    openScripted<TF_Zone>(F_Zone, [](TF_Zone* w) {
        EXPECT_EQ(w->windowTitle(), "基本资料设置");
        focusRow(w->DBGrid1, "z_name", "地市区域");
        w->btnDel->click();
        focusRow(w->DBGrid1, "z_name", "其他区域");
        MsgScript::answer(MsgAnswer::Yes);
        w->btnDel->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    EXPECT_EQ(MsgScript::texts(), (QStringList{"该地区供货商在使用，不能删除！", "您确定要删除当前地区吗！"}));
}

TEST_F(RefListWindows, ExitRefillsTheCallersComboWithTheFocusedEntryAndEscLeavesItAsItWas)
{
    openScripted<TF_Ghsgl_Add>(F_Ghsgl_Add, [](TF_Ghsgl_Add* dialog) {
        dialog->tname->setText(QStringLiteral("已输入"));
        // Browse to a zone and leave by "退出".
        scriptNext<TF_Zone>(F_Zone, [](TF_Zone* z) {
            EXPECT_EQ(callerFlag, "ghsgl_add");
            focusRow(z->DBGrid1, "z_name", "地市区域");
            z->btnExit->click();
        });
        dialog->btnZone->click();
        EXPECT_EQ(callerFlag, "");
        EXPECT_EQ(dialog->comZone->currentText(), "地市区域");
        EXPECT_EQ(dialog->tname->text(), "已输入");  // the dialog is not re-initialised

        // Add a zone in the picker: it is offered and chosen. Then browse and leave by Esc.
        scriptNext<TF_Zone>(F_Zone, [](TF_Zone* z) {
            z->btnAdd->click();
            EXPECT_FALSE(z->btnAdd->isEnabled());
            z->tname->setText(QStringLiteral("新地区"));
            z->btnOK->click();
            EXPECT_TRUE(z->btnAdd->isEnabled());
            z->btnExit->click();
        });
        dialog->btnZone->click();
        EXPECT_EQ(dialog->comZone->count(), 5);
        EXPECT_EQ(dialog->comZone->currentText(), "新地区");
        scriptNext<TF_Zone>(F_Zone, [](TF_Zone* z) {
            focusRow(z->DBGrid1, "z_name", "省会地区");
            QTest::keyClick(z->DBGrid1, Qt::Key_Escape);
            EXPECT_FALSE(z->isVisible());
        });
        dialog->btnZone->click();
        EXPECT_EQ(dialog->comZone->currentText(), "新地区");

        // The type picker answers the type combo.
        scriptNext<TF_Ghsgl_Type>(F_Ghsgl_Type, [](TF_Ghsgl_Type* t) {
            focusRow(t->DBGrid1, "gt_name", "C级供货商");
            t->btnExit->click();
        });
        dialog->btnType->click();
        EXPECT_EQ(dialog->comType->currentText(), "C级供货商");
        dialog->btnOK->click();
    });
    EXPECT_EQ(field("jxc_ghsxx", "z_name || '/' || gt_name", "ghs_name='已输入'"), "新地区/C级供货商");
}

TEST_F(RefListWindows, TheCustomerTypePickerAnswersTheModifyDialogAndAnUnknownWordNothing)
{
    openKhList();
    openScripted<TF_Khgl_Modi>(F_Khgl_Modi, [](TF_Khgl_Modi* dialog) {
        EXPECT_EQ(dialog->comType->currentIndex(), 0);
        scriptNext<TF_Khgl_Type>(F_Khgl_Type, [](TF_Khgl_Type* t) {
            EXPECT_EQ(callerFlag, "khgl_modi");
            // A double click edits the focused row; a second entry of the same name is allowed.
            focusRow(t->DBGrid1, "kt_name", "A级客户");
            t->btnModi->click();
            EXPECT_EQ(t->modeWord(), "Modi");
            EXPECT_EQ(t->tname->text(), "A级客户");
            t->btnBack->click();
            t->btnAdd->click();
            t->tname->setText(QStringLiteral("B级客户"));
            t->btnOK->click();
            t->btnExit->click();
        });
        dialog->btnType->click();
        EXPECT_EQ(dialog->comType->count(), 5);
        EXPECT_EQ(dialog->comType->currentIndex(), 2);  // the first of the two equal names
    });
    callerFlag = QStringLiteral("jh");
    openScripted<TF_Khgl_Type>(F_Khgl_Type, [](TF_Khgl_Type* t) { t->btnExit->click(); });
    callerFlag.clear();
    EXPECT_TRUE(MsgScript::shown().isEmpty());
}

}  // namespace
