// Contact logs of partners, contracts with their kept files and the contract browser.
#include "adjusttest.h"

#include "masterdata/contacts.h"
#include "masterdata/htgl.h"
#include "masterdata/htgl_add.h"
#include "masterdata/lxdialogs.h"
#include "masterdata/partners.h"
#include "platform/codecombo.h"
#include "platform/iconlistview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QTreeWidget>

using namespace adjusttest;

namespace {

class Contacts : public AdjustTest {
protected:
    void SetUp() override
    {
        AdjustTest::SetUp();
        PartnerFields f;
        f.name = QStringLiteral("鞋厂");
        ghs = addPartner(PartnerKind::Ghs, f).code;
        f.name = QStringLiteral("鞋店");
        kh = addPartner(PartnerKind::Kh, f).code;
        clerk = staff(QStringLiteral("张三"));
    }
    // A file to file with a contract, in a folder of its own outside the shop.
    QString sourceFile(const QString& name, const QByteArray& content)
    {
        const QString dir = db->dir() + QStringLiteral("/incoming");
        QDir().mkpath(dir);
        QFile f(dir + u'/' + name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return f.fileName();
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    ContractInput contract(const QString& name, const QString& path) const
    {
        return {name, path, QDate(2013, 5, 28), clerk};
    }

    QString ghs, kh, clerk;
};

TEST_F(Contacts, ContactLogsNeedContentAndKeepTheirPartner)
{
    EXPECT_EQ(addContactLog(PartnerKind::Ghs, ghs, QStringLiteral("2013-05-28"), clerk, QStringLiteral("  \n ")),
              "联系内容必须填写！");
    EXPECT_EQ(addContactLog(PartnerKind::Ghs, ghs, QStringLiteral("2013-05-28"), QString(), QStringLiteral("x")),
              "请选择联系人！");
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_ghslx")), "0");

    curKhSn = kh;
    openScripted<TF_Khlx_Add>(F_Khlx_Add, [](TF_Khlx_Add* d) {
        EXPECT_EQ(d->windowTitle(), "客户联系记录");
        EXPECT_EQ(d->dDate->text(), "2013-05-28");
        EXPECT_EQ(d->comUser->count(), 1);  // the nameless built-in member is not offered
        d->mNote->setPlainText(QStringLiteral("  谈了'价格' "));
        QTest::keyClick(d->mNote, Qt::Key_F5);
    });
    curKhSn.clear();
    const QString other = staff(QStringLiteral("李四"));
    openQuery(DataModule->Q_Khlx, QStringLiteral("select a.*,b.u_name from jxc_khlx a,jxc_user b where a.u_sn=b.u_sn"));
    openScripted<TF_Khlx_Modi>(F_Khlx_Modi, [](TF_Khlx_Modi* d) {
        EXPECT_EQ(d->comUser->currentText(), "张三");
        EXPECT_EQ(d->mNote->toPlainText(), "谈了‘价格‘");
        d->mNote->clear();
        QTest::keyClick(d->mNote, Qt::Key_F5);
        EXPECT_TRUE(d->isVisible());
        d->mNote->setPlainText(QStringLiteral("改约"));
        d->comUser->setCurrentIndex(1);
        QTest::keyClick(d->mNote, Qt::Key_F5);
    });
    EXPECT_EQ(boxes(), QStringList({"联系内容必须填写！"}));
    EXPECT_EQ(value(QStringLiteral("select lx_rq||lx_note||u_sn||kh_sn from jxc_khlx")), "2013-05-28改约" + other + kh);
}

TEST_F(Contacts, EachContractKeepsItsOwnCopyUnderThePartnersFolder)
{
    const QString src = sourceFile(QStringLiteral("合同.doc"), "one");
    const SaveOutcome a = addContract(PartnerKind::Ghs, ghs, contract(QStringLiteral("供货合同"), src));
    ASSERT_TRUE(a.ok()) << a.error.toStdString();
    const SaveOutcome b = addContract(PartnerKind::Ghs, ghs, contract(QStringLiteral("补充协议"), src));
    ASSERT_TRUE(b.ok());
    const QString pathA = value(QStringLiteral("select ht_path from jxc_htgl where ht_sn=?"), {{QString(), a.code}});
    const QString pathB = value(QStringLiteral("select ht_path from jxc_htgl where ht_sn=?"), {{QString(), b.code}});
    EXPECT_EQ(pathA, db->dir() + "/ghsht/" + ghs + "/" + a.code + "/合同.doc");
    EXPECT_NE(pathA, pathB);  // same file name, two copies
    EXPECT_EQ(read(pathA), "one");
    EXPECT_EQ(value(QStringLiteral("select ht_rq||ht_name||ht_jm||u_sn from jxc_htgl where ht_sn=?"), {{QString(), a.code}}),
              "2013-05-28供货合同GHHT" + clerk);

    // A modification to another file keeps the copy it replaced; deleting removes only its own.
    const QString src2 = sourceFile(QStringLiteral("新版.pdf"), "two");
    ASSERT_EQ(modifyContract(PartnerKind::Ghs, a.code, contract(QStringLiteral("供货合同"), src2)), QString());
    const QString pathA2 = value(QStringLiteral("select ht_path from jxc_htgl where ht_sn=?"), {{QString(), a.code}});
    EXPECT_EQ(QFileInfo(pathA2).fileName(), "新版.pdf");
    EXPECT_TRUE(QFileInfo::exists(pathA));
    deleteContract(PartnerKind::Ghs, a.code);
    EXPECT_FALSE(QFileInfo::exists(pathA2));
    EXPECT_EQ(read(pathB), "one");
    EXPECT_EQ(read(src), "one");  // the picked file itself is never touched
}

TEST_F(Contacts, ContractRefusalsWriteNoRowAndNoFile)
{
    const QString src = sourceFile(QStringLiteral("a.txt"), "x");
    const struct {
        const char* name;
        QString path;
        bool staff;
        const char* refusal;
    } cases[] = {
        {" ", src, true, "合同名称必须填写！"},
        {"合同", " ", true, "合同位置不能为空！"},
        {"合同", src, false, "请选择经办人！"},
        {"合同", src + "-gone", true, "合同文件复制失败，不能保存！"},
    };
    for (const auto& c : cases) {
        ContractInput in = contract(QString::fromUtf8(c.name), c.path);
        if (!c.staff)
            in.uSn.clear();
        EXPECT_EQ(addContract(PartnerKind::Kh, kh, in).error, QString::fromUtf8(c.refusal)) << c.refusal;
    }
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_khhtgl")), "0");
    EXPECT_FALSE(QFileInfo::exists(db->dir() + "/khht"));
}

TEST_F(Contacts, BrowserWalksToAPartnerAndFilesAContractThere)
{
    const QString src = sourceFile(QStringLiteral("合同.doc"), "one");
    openScripted<TF_Htgl>(F_Htgl, [&](TF_Htgl* w) {
        w->btnAdd->click();  // nothing to add to at the top
        ASSERT_EQ(w->ListView1->topLevelItemCount(), 2);
        w->ListView1DblClick(w->ListView1->topLevelItem(1));  // 客户
        EXPECT_EQ(w->level(), "kh");
        QTreeWidgetItem* shop = w->ListView1->findItems(QStringLiteral("鞋店"), Qt::MatchExactly).value(0);
        ASSERT_TRUE(shop);
        EXPECT_EQ(shop->text(1), "0");
        w->ListView1DblClick(shop);
        EXPECT_EQ(w->level(), "kh" + kh);
        onNextOpening<TF_Htgl_Add>("F_Htgl_Add", [&](TF_Htgl_Add* d) {
            QTest::keyClick(d->tname, Qt::Key_F5);
            d->tname->setText(QStringLiteral("年度合同"));
            d->tpath->setText(src);
            QTest::keyClick(d->tname, Qt::Key_F5);
        });
        w->btnAdd->click();
        ASSERT_EQ(w->ListView1->topLevelItemCount(), 1);
        EXPECT_EQ(w->ListView1->topLevelItem(0)->text(2), "张三");

        // The customer now has a contract and cannot be deleted here.
        w->btnBackClick();
        w->ListView1->setCurrentItem(w->ListView1->findItems(QStringLiteral("鞋店"), Qt::MatchExactly).value(0));
        w->btnDel->click();

        // Search results name no partner: adding there is refused.
        w->tFindKey->setText(QStringLiteral("ND"));
        w->comRange->setCurrentIndex(0);
        w->btnStartFindClick();
        EXPECT_EQ(w->level(), "khall");
        EXPECT_EQ(w->ListView1->topLevelItemCount(), 1);
        w->btnAdd->click();
    });
    const QString refusal = QStringLiteral("请选择并打开“供货商/客户”列表或“供货商合同/客户合同”列表才能进行添加操作！");
    EXPECT_EQ(boxes(), QStringList({refusal, "合同名称必须填写！", "该客户已存在合同，不能删除！", refusal}));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_khxx where kh_sn=?"), {{QString(), kh}}), "1");
}

TEST_F(Contacts, BrowserViewMenuShowsTheSameItemsInFourStyles)
{
    auto styleItem = [](TF_Htgl* w, const char* name) { return w->PopupMenu1->findChild<QAction*>(QLatin1String(name)); };
    auto ticked = [&](TF_Htgl* w) {
        QStringList out;
        for (const char* name : {"N_LargeIcon", "N_SmallIcon", "N_List", "N_Report"})
            if (styleItem(w, name)->isChecked())
                out << QLatin1String(name);
        return out.join(u' ');
    };
    openScripted<TF_Htgl>(F_Htgl, [&](TF_Htgl* w) {
        QStringList menu;
        for (QAction* a : w->PopupMenu1->actions())
            menu << a->text();
        EXPECT_EQ(menu, QStringList({"查看(W)", "增加(&X)", "修改(&Y)", "删除(&Z)"}));

        // Large icons at first; a double click on an icon walks down like one on a row.
        QListView* icons = w->ListStyles->icons();
        EXPECT_EQ(w->ListStyles->currentWidget(), icons);
        EXPECT_EQ(icons->viewMode(), QListView::IconMode);
        EXPECT_EQ(ticked(w), "N_LargeIcon");
        const QModelIndex customers = w->ListView1->model()->index(1, 0);
        const QPoint at = icons->visualRect(customers).center();
        QTest::mouseClick(icons->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(w->lblCaption->text(), "客户");
        EXPECT_EQ(w->ListView1->currentItem(), w->ListView1->topLevelItem(1));  // one current item for every style
        QTest::mouseDClick(icons->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(w->level(), "kh");

        struct Case {
            const char* item;
            QListView::ViewMode mode;
            QListView::Flow flow;
        };
        for (const Case c : {Case{"N_SmallIcon", QListView::ListMode, QListView::LeftToRight},
                             Case{"N_List", QListView::ListMode, QListView::TopToBottom}}) {
            styleItem(w, c.item)->trigger();
            EXPECT_EQ(w->ListStyles->currentWidget(), icons) << c.item;
            EXPECT_EQ(icons->viewMode(), c.mode) << c.item;
            EXPECT_EQ(icons->flow(), c.flow) << c.item;
            EXPECT_EQ(icons->iconSize(), QSize(16, 16)) << c.item;
            EXPECT_EQ(ticked(w), QLatin1String(c.item));
        }
        styleItem(w, "N_Report")->trigger();
        EXPECT_EQ(w->ListStyles->currentWidget(), w->ListView1);
        EXPECT_EQ(w->ListView1->headerItem()->text(1), "合同数目");
        EXPECT_EQ(ticked(w), "N_Report");
    });
    // Each opening starts again with large icons.
    openScripted<TF_Htgl>(F_Htgl, [&](TF_Htgl* w) {
        EXPECT_EQ(w->ListStyles->viewStyle(), IconListView::Style::LargeIcon);
        EXPECT_EQ(ticked(w), "N_LargeIcon");
    });
}

TEST_F(Contacts, PartnerDeletionFromTheBrowserTestsBuiltInContractsAndBusiness)
{
    execSql(QStringLiteral("insert into jxc_htgl (ht_sn,ghs_sn,u_sn) values ('100001',?,?)"), {{QString(), ghs}, {QString(), clerk}});
    PartnerFields f;
    f.name = QStringLiteral("有账客户");
    const QString busy = addPartner(PartnerKind::Kh, f).code;
    execSql(QStringLiteral("insert into jxc_khfk (kf_sn,kh_sn) values ('KF1',?)"), {{QString(), busy}});
    EXPECT_EQ(contractPartnerDeleteRefusal(PartnerKind::Ghs, QStringLiteral("100001")), "该供货商为系统内置供货商，不能删除！");
    EXPECT_EQ(contractPartnerDeleteRefusal(PartnerKind::Ghs, ghs), "该供货商已存在合同，不能删除！");
    EXPECT_EQ(contractPartnerDeleteRefusal(PartnerKind::Kh, busy), "该客户已发生过业务，不能删除！");
    EXPECT_EQ(contractPartnerDeleteRefusal(PartnerKind::Kh, kh), QString());
}

}  // namespace
