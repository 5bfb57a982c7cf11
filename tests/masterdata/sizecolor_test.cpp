// Sizes, colours and their groups: the sequences on plain values and the windows of both
// families.
#include "sizecolortest.h"

#include "data/textrules.h"
#include "masterdata/cm_add.h"
#include "masterdata/cmz.h"
#include "masterdata/cmz_add.h"
#include "masterdata/cmz_zl.h"
#include "masterdata/sizecolordata.h"
#include "platform/datagrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class SizeColor : public SizeColorTest {
protected:
    // Goods that carry a size group and a colour group by code and by name.
    static void addGoods(const QString& sn, const QString& cmzSn, const QString& cmzName, const QString& colorzSn,
                         const QString& colorzName)
    {
        execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,cmz_sn,cmz_name,colorz_sn,color_name) "
                               "values (?,'测试鞋',?,?,?,?)"),
                {{QString(), sn}, {QString(), cmzSn}, {QString(), cmzName}, {QString(), colorzSn},
                 {QString(), colorzName}});
    }
    static QString members(const SizeColorFamily& f, const QString& group)
    {
        const ResultSet rows = openSelect(groupMembersSql(f, group));
        QStringList names;
        for (int r = 0; r < rows.rowCount(); ++r)
            names << rows.text(r, f.memberCol("name"));
        return names.join(u',');
    }
    static QString linkRows(const SizeColorFamily& f)
    {
        return value(QStringLiteral("select count(*) from %1").arg(f.linkTable));
    }
};

// ---- Members -----------------------------------------------------------------------------------

TEST_F(SizeColor, MemberNamesAndBarcodeCodesAreUniqueWithinTheirTable)
{
    struct Case {
        const SizeColorFamily* f;
        const char* name;
        const char* code;
        const char* refusal;
    };
    const Case cases[] = {
        {&sizeFamily(), "39码", "10", "尺码名称或编码不能重复！"},   // the code of "均码"
        {&sizeFamily(), "XL", "39", "尺码名称或编码不能重复！"},     // a name taken
        {&sizeFamily(), "xl", "39", "尺码名称或编码不能重复！"},     // names compare ignoring case
        {&sizeFamily(), "39码", "12", "尺码名称或编码不能重复！"},   // a code taken
        {&sizeFamily(), "  ", "39", "尺码名称必须填写！"},
        {&sizeFamily(), "39码", " ", "尺码编码必须填写！"},
        {&colorFamily(), "墨绿", "10", "颜色名称或编码不能重复！"},  // the code of "统一"
        {&colorFamily(), "", "39", "颜色名称必须填写！"},
        {&colorFamily(), "墨绿", "", "颜色编码必须填写！"},
    };
    const QString sizes = value(QStringLiteral("select count(*) from jxc_cm"));
    const QString colours = value(QStringLiteral("select count(*) from jxc_color"));
    for (const Case& c : cases)
        EXPECT_EQ(addMember(*c.f, QString::fromUtf8(c.name), QString::fromUtf8(c.code)).error,
                  QString::fromUtf8(c.refusal))
            << c.name << " " << c.code;
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_cm")), sizes);
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_color")), colours);

    // A size and a colour may share a code; a new member takes the next code and its short code.
    const MasterResult size = addMember(sizeFamily(), QStringLiteral(" 运动39 "), QStringLiteral("39"));
    ASSERT_TRUE(size.ok()) << size.error.toStdString();
    EXPECT_EQ(size.code, "100010");
    EXPECT_EQ(value(QStringLiteral("select cm_name||'|'||cm_jm||'|'||cm_tm from jxc_cm where cm_sn='100010'")),
              "运动39|YD39|39");
    const MasterResult colour = addMember(colorFamily(), QStringLiteral("墨绿"), QStringLiteral("39"));
    ASSERT_TRUE(colour.ok());
    EXPECT_EQ(value(QStringLiteral("select color_jm||'|'||color_click from jxc_color where color_sn=?"),
                    {{QString(), colour.code}}),
              "ML|0");

    // A modify may keep its own name and code, but not take another member's.
    EXPECT_TRUE(modifyMember(sizeFamily(), size.code, QStringLiteral("运动39"), QStringLiteral("39")).ok());
    EXPECT_EQ(modifyMember(sizeFamily(), size.code, QStringLiteral("运动40"), QStringLiteral("10")).error,
              "尺码名称或尺码编码重复！");
    EXPECT_EQ(modifyMember(colorFamily(), colour.code, QStringLiteral("统一"), QStringLiteral("39")).error,
              "颜色名称或颜色编码重复！");
    EXPECT_TRUE(modifyMember(sizeFamily(), size.code, QStringLiteral("大39"), QStringLiteral("40")).ok());
    EXPECT_EQ(value(QStringLiteral("select cm_name||'|'||cm_jm||'|'||cm_tm from jxc_cm where cm_sn='100010'")),
              "大39|D39|40");
}

TEST_F(SizeColor, TypedTextIsStoredAsSafeTextAndTouchesNoOtherRow)
{
    const QString texts[] = {
        QStringLiteral("O'Brien\" 码"),
        QStringLiteral("x'); delete from jxc_cmz; --"),
        QStringLiteral("码--1"),
        QStringLiteral("😀 ü ß"),  // no GBK form
        QString(300, QChar(u'长')),
    };
    int n = 0;
    for (const QString& text : texts) {
        const MasterResult group = addGroup(sizeFamily(), text);
        ASSERT_TRUE(group.ok()) << group.error.toStdString();
        EXPECT_EQ(groupName(sizeFamily(), group.code), sqlSafe(text.trimmed()));
        const MasterResult member = addMember(colorFamily(), text, QStringLiteral("T%1").arg(++n));
        ASSERT_TRUE(member.ok()) << member.error.toStdString();
        EXPECT_EQ(value(QStringLiteral("select color_name from jxc_color where color_sn=?"), {{QString(), member.code}}),
                  sqlSafe(text.trimmed()));
        // The same text again is a duplicate, not a second row.
        EXPECT_EQ(addGroup(sizeFamily(), text).error, "尺码组名称不能重复！");
    }
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_cmz")), "6");
    EXPECT_EQ(value(QStringLiteral("select cmz_name from jxc_cmz where cmz_sn='100001'")), "不关心尺码");
}

TEST_F(SizeColor, AMemberHeldByAGroupCannotBeDeleted)
{
    EXPECT_EQ(memberDeleteRefusal(sizeFamily(), QStringLiteral("100001")), "该尺码已在尺码组中使用，不能删除！");
    const MasterResult group = addGroup(colorFamily(), QStringLiteral("春季"));
    addMembersToGroup(colorFamily(), group.code, {QStringLiteral("100002")});
    EXPECT_EQ(deleteMember(colorFamily(), QStringLiteral("100002")).error, "该颜色已在颜色组中使用，不能删除！");
    // A member of no group goes, even when stock rows carry it.
    execSql(QStringLiteral("insert into jxc_tkc (g_sn,color_sn,cm_sn,t_sl) values ('10000001','100003','100001',5)"));
    EXPECT_TRUE(deleteMember(colorFamily(), QStringLiteral("100003")).ok());
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_color where color_sn in ('100002','100003')")), "1");
}

// ---- Groups ------------------------------------------------------------------------------------

TEST_F(SizeColor, TheDefaultColourGroupCannotBeRenamedOrDeleted)
{
    EXPECT_EQ(groupDeleteRefusal(colorFamily(), QStringLiteral("100001")), "默认颜色组不能删除！");
    EXPECT_EQ(deleteGroup(colorFamily(), QStringLiteral("100001")).error, "默认颜色组不能删除！");
    EXPECT_EQ(renameGroup(colorFamily(), QStringLiteral("100001"), QStringLiteral("全色")).error, "默认颜色组不能修改！");
    EXPECT_EQ(value(QStringLiteral("select colorz_name from jxc_colorz where colorz_sn='100001'")), "不关心颜色");
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_colorz2 where colorz_sn='100001'")), "1");
}

TEST_F(SizeColor, AGroupThatGoodsUseCannotBeDeletedOrLoseMembersAlsoAfterARename)
{
    const SizeColorFamily& s = sizeFamily();
    const SizeColorFamily& c = colorFamily();
    const QString sizes = addGroup(s, QStringLiteral("男鞋码")).code;
    const QString colours = addGroup(c, QStringLiteral("男鞋色")).code;
    addMembersToGroup(s, sizes, {QStringLiteral("100002"), QStringLiteral("100003")});
    addMembersToGroup(c, colours, {QStringLiteral("100002")});
    addGoods(QStringLiteral("10000001"), sizes, QStringLiteral("男鞋码"), colours, QStringLiteral("男鞋色"));

    auto refusals = [&] {
        return QStringList{deleteGroup(s, sizes).error, removeGroupMember(s, sizes, QStringLiteral("100002")).error,
                           deleteGroup(c, colours).error, removeGroupMember(c, colours, QStringLiteral("100002")).error};
    };
    const QStringList expected = {"该尺码组已经有商品在使用，不能删除！", "该尺码组已经有商品在使用，不能删除！",
                                  "该颜色组已经有商品在使用，不能删除！", "该颜色组的颜色已经有商品在使用，不能删除！"};
    EXPECT_EQ(refusals(), expected);
    // Renamed: the goods keep the old name, and still hold the group by its code.
    ASSERT_TRUE(renameGroup(s, sizes, QStringLiteral("男鞋新码")).ok());
    ASSERT_TRUE(renameGroup(c, colours, QStringLiteral("男鞋新色")).ok());
    EXPECT_EQ(value(QStringLiteral("select cmz_name from jxc_goods where g_sn='10000001'")), "男鞋码");
    EXPECT_EQ(refusals(), expected);
    EXPECT_EQ(members(s, sizes), "加大,大号");
    EXPECT_EQ(linkRows(c), "2");

    // Goods that carry only the group's name (saved with an older code) count too.
    const QString other = addGroup(s, QStringLiteral("童鞋码")).code;
    addGoods(QStringLiteral("10000002"), QStringLiteral("999999"), QStringLiteral("童鞋码"), QString(), QString());
    EXPECT_EQ(groupDeleteRefusal(s, other), "该尺码组已经有商品在使用，不能删除！");

    // The composition editor may still change a group in use; a group of no goods goes whole.
    removeMembersFromGroup(s, sizes, {QStringLiteral("100002")});
    EXPECT_EQ(members(s, sizes), "大号");
    execSql(QStringLiteral("delete from jxc_goods"));
    EXPECT_TRUE(deleteGroup(s, sizes).ok());
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_cmz2 where cmz_sn=?"), {{QString(), sizes}}), "0");
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_cmz where cmz_sn=?"), {{QString(), sizes}}), "0");
}

TEST_F(SizeColor, GroupNamesAreRequiredAndUnique)
{
    EXPECT_EQ(addGroup(sizeFamily(), QStringLiteral("  ")).error, "尺码组名称必须填写！");
    EXPECT_EQ(addGroup(colorFamily(), QString()).error, "颜色组名称必须填写！");
    const QString a = addGroup(sizeFamily(), QStringLiteral("A")).code;
    EXPECT_EQ(a, "100002");
    addGroup(sizeFamily(), QStringLiteral("B"));
    EXPECT_EQ(addGroup(sizeFamily(), QStringLiteral("不关心尺码")).error, "尺码组名称不能重复！");
    EXPECT_EQ(renameGroup(sizeFamily(), a, QStringLiteral("B")).error, "尺码组名称不能重复！");
    EXPECT_TRUE(renameGroup(sizeFamily(), a, QStringLiteral("A")).ok());
    EXPECT_EQ(renameGroup(colorFamily(), QStringLiteral("100002"), QStringLiteral("")).error, "颜色组名称必须填写！");
}

// ---- Composition -------------------------------------------------------------------------------

TEST_F(SizeColor, CompositionCommandsAreAllOrNothingAndMembersReadInIdOrder)
{
    const SizeColorFamily& s = sizeFamily();
    const QString group = addGroup(s, QStringLiteral("全码")).code;
    // Added in any order, listed by the size's id; members already in the group and the
    // default size are not added twice or at all.
    addMembersToGroup(s, group, {QStringLiteral("100005"), QStringLiteral("100002")});
    addMembersToGroup(s, group, {QStringLiteral("100002"), QStringLiteral("100001"), QStringLiteral("100003")});
    EXPECT_EQ(members(s, group), "加大,大号,小号");
    EXPECT_EQ(linkRows(s), "4");  // with the default group's row

    // A failure half-way through "<<" or ">>" leaves the group as it was.
    execSql(QStringLiteral("create trigger stop_ins before insert on jxc_cmz2 when new.cm_sn='100008' "
                           "begin select raise(abort,'写入失败'); end"));
    execSql(QStringLiteral("create trigger stop_del before delete on jxc_cmz2 when old.cm_sn='100005' "
                           "begin select raise(abort,'删除失败'); end"));
    EXPECT_THROW(addMembersToGroup(s, group, {QStringLiteral("100006"), QStringLiteral("100007"),
                                               QStringLiteral("100008"), QStringLiteral("100009")}),
                 DbError);
    EXPECT_THROW(clearGroup(s, group), DbError);
    EXPECT_THROW(removeMembersFromGroup(s, group, {QStringLiteral("100002"), QStringLiteral("100005")}), DbError);
    EXPECT_EQ(members(s, group), "加大,大号,小号");
}

// ---- Windows -----------------------------------------------------------------------------------

TEST_F(SizeColor, ANewGroupOpensTheEditorWhoseKeyLimitsWhatDoubleArrowAdds)
{
    openScripted<TF_Cmz>(F_Cmz, [](TF_Cmz* w) {
        EXPECT_EQ(w->DBGrid1->rowCount(), 0);  // the default group is never listed
        EXPECT_EQ(w->windowTitle(), "尺码组");
        onNextOpening<TF_Cmz_Add>(QStringLiteral("F_Cmz_Add"), [](TF_Cmz_Add* d) {
            d->Edit1->setText(QStringLiteral("运动"));
            QTest::keyClicks(d->Edit1, QStringLiteral("(M)'"));  // the key filter drops ( ) and '

            d->btnOK->click();
        });
        onNextOpening<TF_Cmz_Zl>(QStringLiteral("F_Cmz_Zl"), [](TF_Cmz_Zl* z) {
            EXPECT_EQ(z->lblName->text(), "运动M");
            EXPECT_EQ(z->DBGrid1->rowCount(), 0);
            EXPECT_EQ(z->DBGrid2->rowCount(), 8);  // "均码" is never offered
            QTest::keyClicks(z->tKey, QStringLiteral("l"));
            EXPECT_EQ(z->DBGrid2->rowCount(), 2);  // XL, L
            z->btnAddAll->click();
            EXPECT_EQ(z->DBGrid1->rowCount(), 2);
            EXPECT_EQ(z->DBGrid2->rowCount(), 6);
            z->btnOK->click();
        });
        w->btnAdd->click();
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        EXPECT_EQ(w->GroupBox2->title(), "运动M所含尺码");
        EXPECT_EQ(w->DBGrid2->rowCount(), 2);
        EXPECT_EQ(w->DBGrid2->value(0, QStringLiteral("cm_name")), "XL");
    });
    EXPECT_TRUE(callerFlag.isEmpty());
    EXPECT_TRUE(MsgScript::texts().isEmpty()) << MsgScript::texts().join(u'|').toStdString();
}

TEST_F(SizeColor, TheGroupWindowRefusesAGroupInUseAndAsksBeforeDeleting)
{
    const QString used = addGroup(colorFamily(), QStringLiteral("在用")).code;
    addGroup(colorFamily(), QStringLiteral("空组"));
    addMembersToGroup(colorFamily(), used, {QStringLiteral("100002"), QStringLiteral("100003")});
    addGoods(QStringLiteral("10000001"), QStringLiteral("100001"), QStringLiteral("不关心尺码"), used,
             QStringLiteral("在用"));
    renameGroup(colorFamily(), used, QStringLiteral("改名"));
    MsgScript::answer(MsgAnswer::Yes);
    openScripted<TF_Colorz>(F_Colorz, [](TF_Colorz* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 2);
        EXPECT_EQ(w->GroupBox2->title(), "改名所含颜色");
        w->btnDel->click();
        w->btnDel2->click();
        EXPECT_EQ(MsgScript::texts(),
                  QStringList({"该颜色组已经有商品在使用，不能删除！", "该颜色组的颜色已经有商品在使用，不能删除！"}));
        w->DBGrid1->setCurrentRow(1);
        EXPECT_EQ(w->GroupBox2->title(), "空组所含颜色");
        w->btnDel->click();
        EXPECT_EQ(MsgScript::last().text, "您确定要删除该颜色组吗！");
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
        w->btnOK->click();
    });
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_colorz2 where colorz_sn=?"), {{QString(), used}}), "2");
}

TEST_F(SizeColor, TheMemberDialogsSaveWithF5AndRefuseDuplicates)
{
    const QString group = addGroup(sizeFamily(), QStringLiteral("童码")).code;
    addMembersToGroup(sizeFamily(), group, {QStringLiteral("100006")});  // "XL", code "15"
    callerFlag = group;
    openScripted<TF_Cmz_Zl>(F_Cmz_Zl, [](TF_Cmz_Zl* z) {
        onNextOpening<TF_Cm_Add>(QStringLiteral("F_Cm_Add"), [](TF_Cm_Add* d) {
            d->Edit1->setText(QStringLiteral("30码"));
            QTest::keyClicks(d->Edit2, QStringLiteral("10"));
            QTest::keyClick(d->Edit2, Qt::Key_F5);
            EXPECT_EQ(MsgScript::last().text, "尺码名称或编码不能重复！");
            EXPECT_TRUE(d->isVisible());
            d->Edit2->setText(QStringLiteral("30"));
            QTest::keyClick(d->Edit2, Qt::Key_F5);
        });
        z->btnNew->click();
        EXPECT_EQ(z->DBGrid2->rowCount(), 8);
        onNextOpening<TF_Cm_Modi>(QStringLiteral("F_Cm_Modi"), [](TF_Cm_Modi* d) {
            EXPECT_EQ(d->Edit1->text(), "XL");
            EXPECT_EQ(d->Edit2->text(), "15");
            d->Edit1->setText(QStringLiteral("L"));
            d->btnSave->click();
            EXPECT_EQ(MsgScript::last().text, "尺码名称或尺码编码重复！");
            d->Edit1->setText(QStringLiteral("加肥"));
            d->btnSave->click();
        });
        z->btnModi->click();
        EXPECT_EQ(z->DBGrid1->value(0, QStringLiteral("cm_name")), "加肥");
        z->btnOK->click();
    });
    EXPECT_EQ(value(QStringLiteral("select cm_tm from jxc_cm where cm_name='30码'")), "30");
}

}  // namespace
