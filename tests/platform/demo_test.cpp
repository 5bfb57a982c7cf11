// A small window built from the kit, rendered to "demo_window.png" in the build folder.
#include "platform/categorytree.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/form.h"

#include "support/testdb.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTableView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class TF_Demo : public TF_Form {
public:
    explicit TF_Demo(NamedQuery* goods, NamedQuery* classes)
    {
        setObjectName(QStringLiteral("TF_Demo"));
        setWindowTitle(QStringLiteral("商品信息管理"));
        auto* top = new QHBoxLayout;
        auto* label = new QLabel(QStringLiteral("仓库："), this);
        comCk = new CodeComboBox(this);
        comCk->setObjectName(QStringLiteral("comCk"));
        comCk->addItem(QStringLiteral("所有仓库"), CodeComboBox::AllCode);
        comCk->addItem(QStringLiteral("总仓"), QStringLiteral("100001"));
        comCk->addItem(QStringLiteral("门店仓库"), QStringLiteral("100002"));
        tkey = new QLineEdit(this);
        tkey->setObjectName(QStringLiteral("tkey"));
        tkey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
        top->addWidget(label);
        top->addWidget(comCk);
        top->addWidget(new QLabel(QStringLiteral("输入商品相关信息进行查询(F6)："), this));
        top->addWidget(tkey, 1);

        tree = new CategoryTree(this);
        tree->setQuery(classes);
        tree->setFixedWidth(150);
        grid = new DataGrid(this);
        grid->setObjectName(QStringLiteral("cxGrid1"));
        grid->setQuery(goods);
        grid->setLineNumbers(true);
        grid->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 80).footerText(QStringLiteral("商品合计:"));
        grid->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 110).footerCount();
        grid->addColumn(QStringLiteral("g_kc"), QStringLiteral("当前库存"), 80).footerSum().footerRed();
        grid->addColumn(QStringLiteral("g_jj"), QStringLiteral("预设进价"), 100).setFormat(QStringLiteral("￥,0.00;￥-,0.00"));
        grid->addColumn(QStringLiteral("g_jy"), QStringLiteral("禁用"), 50).setCheck();
        grid->setCellStyle([goods](int row, const QString& field, CellStyle& s) {
            if (field == QLatin1String("g_kc") && goods->value(row, field).toDouble() < 0)
                s.text = Qt::red;
        });

        auto* body = new QHBoxLayout;
        body->addWidget(tree);
        body->addWidget(grid, 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addLayout(body, 1);
        resize(760, 320);
    }

    CodeComboBox* comCk;
    QLineEdit* tkey;
    CategoryTree* tree;
    DataGrid* grid;

protected:
    bool FormKeyDown(QKeyEvent* e) override
    {
        if (e->key() != Qt::Key_F6)
            return false;
        tkey->setFocus();
        return true;
    }
};

TEST(DemoWindow, RendersAGridWithFootersAComboAndATree)
{
    TestDb db(false);
    execSql(QStringLiteral("create table g (id integer primary key, g_sn varchar(16), g_name varchar(64),"
                           " g_kc money real, g_jj money real, g_jy bit NOT NULL DEFAULT 0)"));
    execSql(QStringLiteral("insert into g (g_sn,g_name,g_kc,g_jj,g_jy) values ('100001','男式运动鞋',12,128.5,0),"
                           " ('100002','女式皮鞋',-3,1234.56,0), ('100003','儿童凉鞋',40,35,1), ('100004','帆布鞋',7.5,-20,0)"));
    execSql(QStringLiteral("create table c (id integer primary key, gc_sn varchar(16), gc_name varchar(64), gc_pid integer, gc_cid integer)"));
    execSql(QStringLiteral("insert into c (gc_sn,gc_name,gc_pid,gc_cid) values (NULL,'所有类别',0,1), ('1000','鞋类',1,2),"
                           " ('1000100','运动鞋',2,3), ('1000101','皮鞋',2,4), ('1001','配件',1,5)"));
    NamedQuery goods(QStringLiteral("Q_Goods"), QStringLiteral("select * from g order by id"));
    NamedQuery classes(QStringLiteral("ADOQueryGoodsClass"), QStringLiteral("select * from c order by id"));
    goods.open();
    classes.open();

    TF_Demo demo(&goods, &classes);
    demo.tree->expandAll();
    demo.tree->selectByCode(QStringLiteral("1000100"));
    demo.comCk->selectCode(QStringLiteral("100002"));
    demo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&demo));
    demo.grid->setCurrentRow(1);

    QTest::keyClick(demo.grid->view(), Qt::Key_F6);
    EXPECT_TRUE(demo.tkey->hasFocus());
    EXPECT_EQ(demo.grid->footerText(QStringLiteral("g_kc")), QStringLiteral("56.5"));
    EXPECT_EQ(demo.comCk->currentCode(), QStringLiteral("100002"));

    const QImage shot = demo.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(QStringLiteral("demo_window.png")));
    // Not blank: the texts and lines leave many colours.
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2)
            colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
}

}  // namespace
