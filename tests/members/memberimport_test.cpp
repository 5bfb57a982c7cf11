// The member import: the wizard on the shared engine with its own first page, automatic card
// numbers, the row checks and remarks, and each preview row paired with its own sheet row.
#include "data/datamodule.h"
#include "masterdata/importdata.h"
#include "members/hygl_import.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/xlswriter.h"
#include "support/shop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList kCaptions = {"会员卡号", "会员姓名", "会员密码", "性别",     "出生日期", "会员积分",
                               "卡内金额", "累计消费", "加入日期", "单位职业", "移动电话", "固定电话",
                               "电子邮件", "证件类型", "证件号码", "联系地址"};

QString value(const QString& sql)
{
    return selectValue(sql);
}

// Every row of a one-column query, joined by "|".
QString column(const QString& sql)
{
    return value(QStringLiteral("select group_concat(v,'|') from (") + sql + QStringLiteral(")"));
}

class MemberImport : public ::testing::Test {
protected:
    MemberImport() { MsgScript::reset(); }
    ~MemberImport() override { MsgScript::reset(); }

    // A workbook "<name>.xls" whose sheet is named after the file: headings, then the rows.
    QString workbook(const QString& name, const QStringList& headings, const QList<QStringList>& rows)
    {
        XlsWorkbook book;
        XlsSheet& sheet = book.addSheet(name);
        for (int c = 0; c < headings.size(); ++c)
            sheet.setText(0, c, headings.at(c));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows.at(r).size(); ++c)
                if (!rows.at(r).at(c).isEmpty())
                    sheet.setText(r + 1, c, rows.at(r).at(c));
        const QString path = QDir(files.path()).filePath(name + QStringLiteral(".xls"));
        book.save(path);
        return path;
    }
    static QString statuses()
    {
        return column(QStringLiteral("select id_image||' '||ifnull(id_status,'') as v from jxc_importdata order by id"));
    }

    Shop shop;
    QTemporaryDir files;
};

TEST_F(MemberImport, TemplateColumnsMapThemselvesAndEachRowKeepsItsOwnPreviewRow)
{
    shop.member(QStringLiteral("HY100007"), QStringLiteral("老会员"));
    // Columns: the sixteen captions, then one the catalogue does not know.
    QStringList headings = kCaptions;
    headings << QStringLiteral("其它");
    QStringList zhang(17), blank(17), li(17), obrien(17);
    zhang[1] = QStringLiteral("张三");
    zhang[3] = QStringLiteral("女");
    zhang[4] = QStringLiteral("1990-01-02");
    zhang[5] = QStringLiteral("12");
    zhang[6] = QStringLiteral("abc");
    zhang[8] = QStringLiteral("2013-01-01");
    blank[10] = QStringLiteral("13800000000");  // no name: no preview row, yet a number passes
    li[1] = QStringLiteral("李四");              // no birthday, no join date, no sex
    obrien[1] = QStringLiteral("O'Brien");
    obrien[2] = QStringLiteral("123");
    obrien[3] = QStringLiteral("男");
    obrien[4] = QStringLiteral("1980-02-03");
    obrien[8] = QStringLiteral("2012-12-12");
    const QString path = workbook(QStringLiteral("会员"), headings, {zhang, blank, li, obrien});
    QFile bogus(QDir(files.path()).filePath(QStringLiteral("文本.xls")));
    ASSERT_TRUE(bogus.open(QIODevice::WriteOnly));
    bogus.write("not a workbook");
    bogus.close();

    TF_Hygl_Import* form = ensureForm(F_Hygl_Import);
    TF_Form::scriptNextOpening(form->objectName(), [&](TF_Form* f) {
        auto* w = static_cast<TF_Hygl_Import*>(f);
        EXPECT_EQ(w->cbLevel->currentText(), QStringLiteral("普通会员"));
        EXPECT_EQ(w->cbScheme->currentText(), QStringLiteral("不优惠"));
        w->btnNext0->click();
        MsgScript::openFile(bogus.fileName());
        w->btnOpen->click();
        EXPECT_FALSE(w->btnNext->isEnabled());
        MsgScript::openFile(path);
        w->btnOpen->click();
        EXPECT_EQ(w->grpFields->title(), QStringLiteral("请选择要导入的字段（共17个字段）"));
        EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_importchk where i_sele<>0 and i_fieldid<>''")),
                  QStringLiteral("16"));
        EXPECT_EQ(value(QStringLiteral("select i_sele||i_fieldid from jxc_importchk where i_excelfield='其它'")),
                  QStringLiteral("0"));
        w->btnNext->click();
        EXPECT_EQ(w->grpData->title(), QStringLiteral("选择要导入的 会员资料（共3条记录）"));
        // The unnamed row still takes its automatic number.
        EXPECT_EQ(column(QStringLiteral("select id_exceldata as v from jxc_importdata order by id")),
                  QStringLiteral("[HY100008]张三|[HY100010]李四|[HY100011]O'Brien"));
        w->btnImport->click();
        EXPECT_FALSE(w->isVisible());
    });
    form->showModalForm();

    EXPECT_EQ(MsgScript::texts(),
              QStringList({QStringLiteral("您没有安装Excel或导入文件不是Excel，不能进行导入操作！"),
                           QStringLiteral("导入完毕\r\n\r\n共3条记录\r\n\r\n成功导入3条\r\n\r\n失败0条\r\n\r\n取消导入0条")}));
    // Each preview row carries the status of its own sheet row.
    EXPECT_EQ(statuses(), QStringLiteral("2 导入成功|1 性别为空，将使用默认性别!|2 导入成功"));
    // Imported members take consecutive numbers from the largest card.
    EXPECT_EQ(column(QStringLiteral("select hy_bh||' '||hy_name||' '||hy_sex||' '||hy_sr||' '||hy_jrrq||' '||hy_jf||' '||"
                                    "hy_zhje||' '||hl_sn||hh_sn||hy_status||hy_sj||hy_qx||' '||hy_dqrq as v "
                                    "from jxc_hyxx where hy_bh like 'HY1%' and hy_bh<>'HY100007' order by id")),
              QStringLiteral("HY100008 张三 女 1990-01-02 2013-01-01 12.0 0.0 100001100001110 2100-12-31|"
                             "HY100009 李四 男 1983-05-28 2013-05-28 0.0 0.0 100001100001110 2100-12-31|"
                             "HY100010 O‘Brien 男 1980-02-03 2012-12-12 0.0 0.0 100001100001110 2100-12-31"));
    const QString stored = value(QStringLiteral("select hy_mm from jxc_hyxx where hy_bh='HY100010'"));
    EXPECT_NE(stored, QStringLiteral("123"));
    EXPECT_TRUE(checkMemberPassword(stored, QStringLiteral("123")));
    // The stored value moves no money.
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_hyxf")), QStringLiteral("0"));
}

TEST_F(MemberImport, RowChecksWithTypedCardsAndUniqueNames)
{
    shop.member(QStringLiteral("A1"), QStringLiteral("王五"));
    const QString path = workbook(QStringLiteral("名单"), {QStringLiteral("会员卡号"), QStringLiteral("会员姓名")},
                                  {{"A1", "赵"},        // card taken
                                   {"", "钱"},          // no card
                                   {"B1", "王五"},      // name taken
                                   {" B2 ", "孙"},      // imported, card trimmed
                                   {"B3", "孙"},        // the name imported just before
                                   {"B4", "周"},        // unticked
                                   {"B5", "  "}});      // a name of spaces
    MemberImportOptions o{.path = path, .levelSn = QStringLiteral("100001"), .schemeSn = QStringLiteral("100001"),
                          .autoCard = false, .uniqueNames = true};
    clearImportMapping();
    ASSERT_EQ(appendImportMapping(path, QStringLiteral("jxc_hyxx")), 2);
    ASSERT_EQ(buildMemberPreview(o, true), 7);
    execSql(QStringLiteral("update jxc_importdata set id_sele=0 where id_exceldata='[B4]周'"));
    const ImportRun run = importMembers(o);
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(importSummaryText(run.summary),
              QStringLiteral("导入完毕\r\n\r\n共7条记录\r\n\r\n成功导入1条\r\n\r\n失败5条\r\n\r\n取消导入1条"));
    // No sex column: the imported row carries the remark.
    EXPECT_EQ(statuses(), QStringLiteral("3 导入失败,会员卡号不能重复!|3 导入失败,会员卡号不能为空!|"
                                         "3 导入失败,会员名称已经存在!|1 性别为空，将使用默认性别!|3 导入失败,会员名称已经存在!|1 |"
                                         "3 导入失败,会员名称不能为空!"));
    EXPECT_EQ(findMemberByCard(QStringLiteral("B2")).isEmpty(), false);

    // An empty preview imports nothing.
    execSql(QStringLiteral("delete from jxc_importdata"));
    EXPECT_EQ(importMembers(o).refusal, QStringLiteral("模板中没有数据，不能进行导入操作！"));
}

TEST_F(MemberImport, ShippedTemplateMapsEveryColumnByItself)
{
    const QString table = QStringLiteral("jxc_hyxx");
    const QString path = QStringLiteral(JXC_SOURCE_DIR "/模板文件/") + importTemplateName(table);
    EXPECT_EQ(importTemplateName(table), QStringLiteral("会员信息模板.xls"));
    if (qEnvironmentVariableIsSet("JXC_WRITE_TEMPLATES"))
        writeImportTemplate(table, path);
    clearImportMapping();
    ASSERT_EQ(appendImportMapping(path, table), kCaptions.size());
    EXPECT_EQ(column(QStringLiteral("select i_excelfield as v from jxc_importchk where i_sele<>0 and i_fieldid<>'' "
                                    "order by id")),
              kCaptions.join(u'|'));
}

}  // namespace
