// The receipt import: each sheet row's status, the rows that become working lines, the
// summary, and the refusals of files that are no workbook or lack the sheet.
#include "data/datamodule.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/xlsreader.h"
#include "platform/xlswriter.h"
#include "purchasing/cgjh_import.h"
#include "purchasing/purchasing.h"
#include "support/shop.h"
#include "support/testdb.h"
#include "support/windowregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kNumber = QStringLiteral("CJ130528010001");
const QString kWrongFile = QStringLiteral("您没有安装Excel或导入文件不是Excel，不能进行导入操作！");

QString rows(const QString& sql)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u' ');
}

class CgjhImport : public ::testing::Test {
protected:
    CgjhImport() { MsgScript::reset(); }
    ~CgjhImport() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        MsgScript::reset();
    }

    // A workbook "<name>.xls" with one sheet `sheet`: a heading row, then `cells` (code, name,
    // price, quantity in columns 0, 1, 5, 6).
    QString workbook(const QString& name, const QString& sheet, const QList<QStringList>& cells)
    {
        const QString path = QDir(QFileInfo(shop.db().path()).absolutePath()).filePath(name + QStringLiteral(".xls"));
        XlsWorkbook book;
        XlsSheet& s = book.addSheet(sheet);
        const QStringList headings = cgjhImportHeadings();
        for (int c = 0; c < headings.size(); ++c)
            s.setText(0, c, headings[c]);
        for (int r = 0; r < cells.size(); ++r) {
            const int cols[] = {0, 1, 5, 6};
            for (int i = 0; i < 4; ++i)
                s.setText(r + 1, cols[i], cells[r].value(i));
        }
        book.save(path);
        return path;
    }

    // Opens the dialog for the receipt kNumber and runs `script` while it is open.
    static void open(const std::function<void(TF_Cgjh_Import*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Import"),
                                   [script](TF_Form* f) { script(static_cast<TF_Cgjh_Import*>(f)); });
        ensureForm(F_Cgjh_Import)->setNumber(kNumber);
        showForm(F_Cgjh_Import);
    }

    Shop shop;
    ScopedWindows windows{registerPurchasingWindows};
    QString sandal = shop.goods("凉鞋", {"39"}, {"黑色"});
    QString boot = shop.goods("靴子", {"38"}, {"白色"});
    QString slipper = shop.goods("拖鞋", {}, {});
};

TEST_F(CgjhImport, OnlyTheGoodRowsBecomeLinesAndTheSummaryCountsTheRest)
{
    const QString path = workbook(QStringLiteral("进货"), QStringLiteral("进货"),
                                  {{sandal, "凉鞋", "80", "3"},
                                   {"NOPE'--", "无", "5", "1"},
                                   {boot, "靴子", "40", "0"},
                                   {slipper, "别的名字", "10", "1"},
                                   {slipper, "拖鞋", "", "2"},
                                   {sandal, "凉鞋", "八十", "1"},
                                   {sandal, "凉鞋", "5", "x"},
                                   {sandal, "凉鞋", "5", ""},
                                   {boot, "靴子", "40", "-1"}});
    open([&](TF_Cgjh_Import* w) {
        EXPECT_EQ(w->windowTitle(), "采购单据导入");
        EXPECT_FALSE(w->btnNext->isEnabled());
        w->btnImport->click();  // nothing read yet
        EXPECT_EQ(MsgScript::texts(), QStringList{"模板中没有数据，不能进行导入操作！"});

        MsgScript::openFile(path);
        QTest::keyClick(w, Qt::Key_F2);
        ASSERT_TRUE(w->btnNext->isEnabled());
        w->btnNext->click();
        EXPECT_TRUE(w->step2->isVisibleTo(w));
        DataGrid* grid = w->DBGridImport;
        QStringList shown;
        for (int r = 0; r < grid->rowCount(); ++r)
            shown << grid->displayText(r, "ts_dzl") + grid->value(r, "ts_note");
        EXPECT_EQ(shown, QStringList({"√可顺利导入", "×商品不存在", "×数量不能为零或负数", "!商品名称和编号不一致",
                                      "√可顺利导入", "×单价必须是数字", "×数量必须是数字", "×数量不能为空",
                                      "×数量不能为零或负数"}));
        EXPECT_EQ(grid->value(1, "g_name"), "");  // no goods of that code
        QTest::keyClick(w, Qt::Key_F5);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(MsgScript::last().text, "导入完毕\r\n\r\n共9条记录\r\n\r\n成功导入2条\r\n\r\n失败7条");
    EXPECT_EQ(MsgScript::last().title, "系统提示");
    EXPECT_EQ(rows(QStringLiteral("select g_sn,ifnull(jh_dj,'-'),jh_sl,ifnull(jh_zje,'-') from jxc_jhsp where j_sn='%1' "
                                  "order by id")
                       .arg(kNumber)),
              QStringLiteral("%1|80|3|240 %2|-|2|-").arg(sandal, slipper));
    EXPECT_EQ(rows("select (select count(*) from jxc_jhspmx)+(select count(*) from jxc_tempspxf)"), "0");
}

TEST_F(CgjhImport, FilesThatAreNoWorkbookOrLackTheSheetAreRefusedAndAddNothing)
{
    const QString noSheet = workbook(QStringLiteral("甲"), QStringLiteral("乙"), {{sandal, "凉鞋", "80", "3"}});
    const QString text = QDir(QFileInfo(shop.db().path()).absolutePath()).filePath(QStringLiteral("文本.xls"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a workbook");
    f.close();
    open([&](TF_Cgjh_Import* w) {
        for (const QString& path : {noSheet, text}) {
            MsgScript::reset();
            MsgScript::openFile(path);
            w->btnOpen->click();
            EXPECT_EQ(MsgScript::texts(), QStringList{kWrongFile}) << path.toStdString();
            EXPECT_FALSE(w->btnNext->isEnabled());
        }
        MsgScript::openFile(QString());  // cancelled: nothing happens
        w->btnOpen->click();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    EXPECT_EQ(rows("select (select count(*) from jxc_jhsp)+(select count(*) from jxc_tempspxf)"), "0");
}

// The shipped template heads the columns the import reads by position, on the sheet the import
// opens; it holds no rows. JXC_WRITE_TEMPLATES=1 writes it anew from the headings.
TEST(CgjhImportTemplate, ShippedTemplateHeadsTheColumnsAndHoldsNoRows)
{
    TestDb db;
    const QString path = QStringLiteral(JXC_SOURCE_DIR "/模板文件/采购进货单模板.xls");
    if (qEnvironmentVariableIsSet("JXC_WRITE_TEMPLATES"))
        writeCgjhImportTemplate(path);
    const ResultSet sheet = readWorkbookSheet(path, QStringLiteral("采购进货单模板"));
    QStringList headings;
    for (const ResultColumn& c : sheet.columns())
        headings << c.name;
    EXPECT_EQ(headings, cgjhImportHeadings());
    EXPECT_EQ(headings.indexOf(QStringLiteral("商品编号")), 0);
    EXPECT_EQ(headings.indexOf(QStringLiteral("商品名称")), 1);
    EXPECT_EQ(headings.indexOf(QStringLiteral("单价")), 5);
    EXPECT_EQ(headings.indexOf(QStringLiteral("数量")), 6);
    EXPECT_EQ(readCgjhImport(path).rows, 0);
    EXPECT_TRUE(cgjhImportTemplatePath().endsWith(QStringLiteral("/模板文件/采购进货单模板.xls")));
}

}  // namespace
