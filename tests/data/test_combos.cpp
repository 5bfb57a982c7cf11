// Coded combo items, default records, the existence test and the category code routines.
#include "data/combos.h"
#include "routinetest.h"

namespace {

using Combos = RoutineTest;

ComboItems items(std::initializer_list<std::pair<const char*, const char*>> list)
{
    ComboItems out;
    for (const auto& [text, code] : list)
        out.append({QString::fromUtf8(text), QString::fromUtf8(code)});
    return out;
}

TEST_F(Combos, EntriesOfEachFiller)
{
    execSql("insert into jxc_ckxx (ck_sn,ck_name) values ('100002','二号仓')");
    execSql("insert into jxc_user (u_sn,u_name,u_cg) values ('100002','李四',1)");
    execSql("insert into jxc_user (u_sn,u_name,u_cg) values ('100003','王五',0)");
    const QString buyers = "where u_cg<>0 and u_name<>'' and u_name is not null";

    struct Case {
        const char* what;
        ComboItems got;
        ComboItems expected;
    } cases[] = {
        {"all warehouses first", codeComboItems("jxc_ckxx", "ck_name", "所有仓库", "id", "ck_sn"),
         items({{"所有仓库", "-1"}, {"主仓库", "100001"}, {"二号仓", "100002"}})},
        {"no first item", codeComboItems("jxc_ckxx", "ck_name", "", "id desc", "ck_sn"),
         items({{"二号仓", "100002"}, {"主仓库", "100001"}})},
        {"handlers with trailing item", codeComboWhereItems("jxc_user", "u_name", "新增经办人.....", buyers, "id", "u_sn"),
         items({{"李四", "100002"}, {"新增经办人.....", "-1"}})},
        {"trailing item but no where clause", codeComboWhereItems("jxc_user", "u_name", "所有经办人", "", "id", "u_sn"),
         items({{"", "100001"}, {"李四", "100002"}, {"王五", "100003"}})},
        {"first item with where clause", codeComboWhereFirstItems("jxc_user", "u_name", "所有经办人", buyers, "id", "u_sn"),
         items({{"所有经办人", "-1"}, {"李四", "100002"}})},
        {"plain: blank before extra", comboBoxItems("jxc_ckxx", "ck_name", "全部", "1", "id"),
         items({{"", ""}, {"全部", ""}, {"主仓库", ""}, {"二号仓", ""}})},
        {"grid combo: first before blank", cxComboBoxItems("jxc_ckxx", "ck_name", "全部", "1", "id"),
         items({{"全部", ""}, {"", ""}, {"主仓库", ""}, {"二号仓", ""}})},
        {"settlement on purchases", jsfsComboItems("cg"), items({{"按实付款结算", "1"}, {"余款记入应付帐", "2"}})},
        {"settlement on sales", jsfsComboItems("xs"), items({{"按实付款结算", "1"}, {"余款记入应收帐", "2"}})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;

    EXPECT_THROW(codeComboItems("jxc_ckxx", "no_such", "", "id", "ck_sn"), DbError);
}

TEST_F(Combos, DefaultRecords)
{
    // A fresh database: the built-in records.
    EXPECT_EQ(getDefaultGhsSn(), "100001");
    EXPECT_EQ(getDefaultKhSn(), "100001");
    EXPECT_EQ(getDefaultKhName(), "普通客户");
    EXPECT_EQ(getDefaultCkName(), "主仓库");
    EXPECT_EQ(getDefaultUserSn(), "100001");  // the nameless handler
    EXPECT_EQ(getDefaultUserName(), "");

    // Two suppliers marked as default: the smaller id wins; a disabled default is skipped.
    execSql("update jxc_ghsxx set ghs_default=0");
    execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_default,ghs_forbid) values ('100002','乙',1,1)");
    execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_default,ghs_forbid) values ('100003','丙',1,0)");
    execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_default,ghs_forbid) values ('100004','丁',1,0)");
    EXPECT_EQ(getDefaultGhsSn(), "100003");
    EXPECT_EQ(getDefaultGhsName(), "丙");
    execSql("update jxc_ghsxx set ghs_default=0");
    EXPECT_EQ(getDefaultGhsSn(), "100001");  // no default: the first not disabled
    execSql("update jxc_ghsxx set ghs_forbid=1");
    EXPECT_EQ(getDefaultGhsSn(), "");

    // Warehouses are never skipped as disabled; without a default the first by id.
    execSql("insert into jxc_ckxx (ck_sn,ck_name,ck_default) values ('100002','二号仓',1)");
    execSql("update jxc_ckxx set ck_default=0 where ck_sn='100001'");
    EXPECT_EQ(getDefaultCkName(), "二号仓");
    execSql("update jxc_ckxx set ck_default=0");
    EXPECT_EQ(getDefaultCkName(), "主仓库");

    // The nameless handler stays the default handler while it is the first staff row.
    execSql("insert into jxc_user (u_sn,u_name) values ('100002','李四')");
    EXPECT_EQ(getDefaultUserSn(), "100001");
    execSql("delete from jxc_user where u_sn='100001'");
    EXPECT_EQ(getDefaultUserSn(), "100002");
    EXPECT_EQ(getDefaultUserName(), "李四");
}

TEST_F(Combos, RecordExistsAndImportField)
{
    execSql("insert into jxc_ckxx (ck_sn,ck_name,ck_note) values ('100002','',null)");
    EXPECT_TRUE(recordExists("jxc_ckxx", "ck_name", "where ck_sn='100001'"));
    EXPECT_FALSE(recordExists("jxc_ckxx", "ck_name", "where ck_sn='100002'"));  // empty
    EXPECT_FALSE(recordExists("jxc_ckxx", "ck_note", "where ck_sn='100002'"));  // NULL
    EXPECT_FALSE(recordExists("jxc_ckxx", "ck_name", "where ck_sn='999999'"));

    execSql("insert into jxc_import (i_tablename,i_fieldname,i_fieldid) values ('jxc_goods','商品名称','g_name')");
    EXPECT_EQ(getImportFieldId("商品名称", "jxc_goods"), "g_name");
    EXPECT_EQ(getImportFieldId("商品名称", "jxc_khxx"), "");
}

TEST_F(Combos, CategoryCodeAndRename)
{
    execSql("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid) values ('男鞋',1,2)");
    NamedQuery& tree = *DataModule->ADOQueryGoodsClass;
    openQuery(&tree, tree.designSql());
    ASSERT_TRUE(tree.locate("gc_cid", "2"));

    setGoodsClassCode(tree);
    EXPECT_EQ(rows("select gc_sn,gc_jm from jxc_goodsclass where gc_cid=2"), "1000|NX");
    EXPECT_EQ(tree.fieldByName("gc_sn"), "1000");  // the loaded row shows it
    EXPECT_TRUE(DataModule->ADOQueryGoodsClass2->isOpen());
    EXPECT_TRUE(DataModule->ADOQueryGoodsClass2->locate("gc_sn", "1000"));

    renameGoodsClass(tree, "女式凉鞋");
    EXPECT_EQ(rows("select gc_name,gc_jm,gc_sn from jxc_goodsclass where gc_cid=2"), "女式凉鞋|NSLX|1000");
    EXPECT_EQ(tree.fieldByName("gc_jm"), "NSLX");
}

}  // namespace
