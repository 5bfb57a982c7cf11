// The customer return window with its picker and line dialog, the sales bill query with its
// returns from a bill, and the search dialog: stray and prepared lines at activation, the
// picker's lists, the whole-bill and one-line returns from the query, F7, saving through the
// window and the close prompt, and hostile search texts.
#include "bills/billsearch.h"
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "sales/sales.h"
#include "sales/xsdjcx.h"
#include "sales/xsth.h"
#include "sales/xsth_add.h"
#include "sales/xsth_search.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QColor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <functional>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

QString rows(const QString& sql, const SqlParams& params = {})
{
    const ResultSet rs = openSelect(sql, params);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u' ');
}

template <class T>
T* child(QWidget* f, const char* name)
{
    T* w = f->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QLineEdit* box(QWidget* f, const char* name) { return child<QLineEdit>(f, name); }
CodeComboBox* combo(QWidget* f, const char* name) { return child<CodeComboBox>(f, name); }
QString label(QWidget* f, const char* name) { return child<QLabel>(f, name)->text(); }
void click(QWidget* f, const char* name) { child<QPushButton>(f, name)->click(); }

QStringList listed(const DataGrid* grid)
{
    QStringList out;
    for (int r = 0; r < grid->loadedRowCount(); ++r)
        out << grid->value(r, QStringLiteral("g_sn"));
    out.sort();
    return out;
}

class XsthWindow : public ::testing::Test {
protected:
    XsthWindow()
    {
        MsgScript::reset();
        TF_Form::clearScripts();
        csDjzddy = QStringLiteral("0");  // no print after posting
        // 凉鞋 (39/40 black) and 靴子 (38 brown) received into the main warehouse; the customer 甲
        // bought two pairs of 凉鞋 at 100 and one at 100 × 0.8, paying 200 of 280.
        shop.receipt().line(sandal, 50, {{"39", "黑色", 3}, {"40", "黑色", 2}}).line(boot, 40, {{"38", "棕色", 2}}).post();
        sale = shop.sale()
                   .customer(kh)
                   .line(sandal, 100, {{"39", "黑色", 2}})
                   .line(sandal, 100, {{"40", "黑色", 1}}, 0.8)
                   .mode(SpxsMode::RestOwed)
                   .received(200)
                   .note("甲的单")
                   .post();
    }
    ~XsthWindow() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        TF_Form::clearScripts();
        csXt.clear();
        csDjzddy.clear();
        djhParam.clear();
        modeFlag.clear();
        callerFlag.clear();
        detailTable.clear();
        xsthKeepPrepared = false;
        MsgScript::reset();
    }

    // Runs `script` in the next opening of the return window; a bill left with lines is
    // discarded at the close prompt.
    static void inReturn(const std::function<void(TF_Xsth*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xsth"), [script](TF_Form* f) {
            script(static_cast<TF_Xsth*>(f));
            if (f->isVisible() && static_cast<TF_Xsth*>(f)->hasLines())
                MsgScript::answer(MsgAnswer::No);
        });
    }
    void open(const std::function<void(TF_Xsth*)>& script)
    {
        inReturn(script);
        ensureForm(F_Xsth)->showModalForm();
    }
    // Runs `script` in the sales bill query opened as the sales window opens it.
    static void query(const std::function<void(TF_Xsdjcx*)>& script, const QString& customer = QString())
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xsdjcx"),
                                   [script](TF_Form* f) { script(static_cast<TF_Xsdjcx*>(f)); });
        callerFlag = QStringLiteral("spxs");
        detailTable = customer;
        showForm(F_Xsdjcx);
        callerFlag.clear();
        detailTable.clear();
    }
    static void key(QWidget* w, Qt::Key k)
    {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    QString returnLines(const QString& number) const
    {
        return rows("select g_sn,th_dj,th_sl,th_zje,th_dzl from jxc_xsthsp where gl_djh=? order by id", {{QString(), number}});
    }

    Shop shop;
    ScopedWindows windows{[] { registerSalesWindows(); }};
    QString kh = shop.customer("甲");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 60);
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    QString sale;
};

TEST_F(XsthWindow, AFreshStartDeletesStrayLinesUnderItsNumber)
{
    writeLine(kCustomerReturnLines, QStringLiteral("XT130528010001"),
              {.gSn = boot, .price = Money::fromDouble(70), .rows = {}, .quantity = Money::fromDouble(1)});
    open([&](TF_Xsth* f) {
        EXPECT_EQ(label(f, "gldjh"), "XT130528010001");
        EXPECT_EQ(box(f, "tkh")->text(), "普通客户");
        EXPECT_EQ(f->customerSn(), "100001");
        EXPECT_EQ(DataModule->Q_Xsth->rowCount(), 0);
        EXPECT_EQ(label(f, "lysje"), "0");
        EXPECT_TRUE(combo(f, "comCk")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(f, "btnModi")->isVisibleTo(f));
    });
    EXPECT_EQ(rows("select count(*) from jxc_xsthsp"), "0");
}

TEST_F(XsthWindow, WholeBillFromTheQueryIsCopiedSavedMarkedAndNotReturnedTwice)
{
    query([&](TF_Xsdjcx* q) {
        ASSERT_EQ(q->cxGrid2View->rowCount(), 1);
        EXPECT_EQ(q->cxGrid3View->rowCount(), 2);
        inReturn([&](TF_Xsth* f) {
            // The copy survives the activation that shows the window.
            EXPECT_EQ(returnLines(f->number()), sandal + "|100|2|200|1 " + sandal + "|100|1|80|0.8");
            EXPECT_EQ(rows("select count(*) from jxc_xsthspmx where gl_djh=?", {{QString(), f->number()}}), "2");
            EXPECT_EQ(box(f, "tkh")->text(), "甲");
            EXPECT_EQ(f->customerSn(), kh);
            EXPECT_EQ(label(f, "lysje"), "280");
            EXPECT_EQ(box(f, "tssje")->text(), "200");
            EXPECT_EQ(box(f, "tnote")->text(), "甲的单");
            EXPECT_FALSE(combo(f, "comCk")->isEnabled());
            EXPECT_FALSE(box(f, "tkh")->isEnabled());
            // F7 with lines refuses.
            key(f, Qt::Key_F7);
            EXPECT_EQ(MsgScript::texts(), QStringList{"请先保存本次的退货单据！"});
            MsgScript::reset();
            MsgScript::answer(MsgAnswer::Yes);
            click(f, "btnOK");
            EXPECT_EQ(MsgScript::texts(),
                      QStringList{"单据保存后不能再修改，是否确认保存？\r\n\r\n管理员可以在往来账目中整单删除错误的单据！"});
            EXPECT_EQ(label(f, "gldjh"), "XT130528010002");  // the next bill
            EXPECT_EQ(box(f, "tkh")->text(), "普通客户");
        });
        click(q, "btnZdth");
    });
    EXPECT_EQ(rows("select kh_sn,th_yfje,th_sfje from jxc_xsthd"), kh + "|-280|-200");
    EXPECT_EQ(selectValue("select ls_th from jxc_lsxsd where gl_djh=?", {{QString(), sale}}), "1");
    EXPECT_EQ(selectValue("select sum(t_sl) from jxc_tkc"), "7");  // every size back
    EXPECT_EQ(rows("select log_note from jxc_log where log_note like '增加销售退货单%'"), "增加销售退货单XT130528010001，共2种商品");

    // Marked: the type shows red and a second whole-bill return writes nothing.
    MsgScript::reset();
    query([&](TF_Xsdjcx* q) {
        ASSERT_EQ(q->cxGrid2View->rowCount(), 1);
        QAbstractItemModel* model = q->cxGrid2View->view()->model();
        int typeColumn = -1;
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == QStringLiteral("单据类型"))
                typeColumn = c;
        ASSERT_GE(typeColumn, 0);
        EXPECT_EQ(model->index(0, typeColumn).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        click(q, "btnZdth");
        EXPECT_EQ(MsgScript::texts(), QStringList{"该单据已经进行过整单退货，不能重复退货！"});
        q->close();
    });
    EXPECT_EQ(rows("select count(*) from jxc_xsthsp"), "2");
    EXPECT_EQ(rows("select count(*) from jxc_xsthd"), "1");
}

TEST_F(XsthWindow, OneLineFromTheQueryOpenedElsewhereSurvivesWithItsAmounts)
{
    query([&](TF_Xsdjcx* q) {
        q->cxGrid3View->setCurrentRow(1);
        inReturn([&](TF_Xsth* f) {
            EXPECT_EQ(returnLines(f->number()), sandal + "|100|1|80|0.8");
            EXPECT_EQ(label(f, "lysje"), "80");
            EXPECT_EQ(box(f, "tssje")->text(), "80");
            EXPECT_TRUE(djhParam.isEmpty());
        });
        q->actLineReturn->trigger();
        EXPECT_EQ(MsgScript::texts().value(0), "该商品信息已成功添加到\r\n\r\n当前退货单中。");
    });
    // Discarded at the close prompt; nothing is marked.
    EXPECT_EQ(rows("select count(*) from jxc_xsthsp"), "0");
    EXPECT_EQ(selectValue("select ls_th from jxc_lsxsd"), "0");
}

TEST_F(XsthWindow, QueryOpenedFromTheReturnFillsItUnderneath)
{
    open([&](TF_Xsth* f) {
        const QString number = f->number();
        query([&](TF_Xsdjcx* q) {
            modeFlag = QStringLiteral("xsth");
            q->cxGrid3View->setCurrentRow(0);
            q->actLineReturn->trigger();
            EXPECT_FALSE(q->isVisible());
        });
        modeFlag.clear();
        EXPECT_EQ(f->number(), number);
        EXPECT_EQ(returnLines(number), sandal + "|100|2|200|1");
        EXPECT_EQ(label(f, "lysje"), "200");
        // Saving refuses a handler that is not chosen, then posts; nothing is marked.
        combo(f, "comUser")->setCurrentIndex(-1);
        MsgScript::reset();
        click(f, "btnOK");
        EXPECT_EQ(MsgScript::texts(), QStringList{"请选择经办人！"});
        combo(f, "comUser")->setCurrentIndex(0);
        MsgScript::reset();
        MsgScript::answer(MsgAnswer::Yes);
        click(f, "btnOK");
        EXPECT_FALSE(f->hasLines());
    });
    EXPECT_EQ(rows("select th_yfje,th_sfje from jxc_xsthd"), "-200|-200");
    EXPECT_EQ(selectValue("select ls_th from jxc_lsxsd"), "0");
}

TEST_F(XsthWindow, CloseWithYesWhoseSaveIsRefusedKeepsTheWindowAndLines)
{
    open([&](TF_Xsth* f) {
        f->takeSaleLine(selectValue("select min(id) from jxc_lsxssp").toLongLong());
        box(f, "tkh")->clear();
        MsgScript::answer(MsgAnswer::Yes);  // "当前单据还未保存，是否保存？"
        f->close();
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(MsgScript::texts().last(), "请选择客户！");
        EXPECT_EQ(rows("select count(*) from jxc_xsthsp where gl_djh=?", {{QString(), f->number()}}), "1");
        box(f, "tkh")->setText(QStringLiteral("普通客户"));
    });
}

TEST_F(XsthWindow, PickerOffersGoodsSoldBeforeAndLimitsToTheCustomerWithTheSetting)
{
    const QString stranger = shop.customer("乙");
    for (const char* xt : {"0", "1"}) {
        csXt = QLatin1String(xt);
        for (const QString& customer : {kh, stranger}) {
            curKhSn = customer;
            goodsPickerTarget = {QStringLiteral("XT130528019999"), QStringLiteral("100001")};
            TF_Form::scriptNextOpening(QStringLiteral("TF_Xsth_Add"), [&](TF_Form* form) {
                auto* w = static_cast<TF_Xsth_Add*>(form);
                // 靴子 was never sold: it cannot come back through the picker.
                const bool none = csXt == u"1" && customer == stranger;
                EXPECT_EQ(listed(w->DBGridGoods), none ? QStringList{} : QStringList{sandal}) << xt;
                w->close();
            });
            showForm(F_Xsth_Add);
        }
    }
    goodsPickerTarget = {};
    curKhSn.clear();
}

TEST_F(XsthWindow, HostileSearchTextsDoNoHarm)
{
    const QString hostile[] = {QStringLiteral("甲' or '1'='1"), QStringLiteral("--"), QStringLiteral("'; drop table jxc_lsxsd; --"),
                               QString(5000, u'鞋'), QString(), QStringLiteral("😀\u00e9\u0416")};
    for (const QString& text : hostile) {
        const ResultSet rs = openSelect(xsdjcxSql(text, QStringLiteral("2013-01-01"), QStringLiteral("2013-12-31")));
        EXPECT_EQ(rs.rowCount(), text.isEmpty() ? 1 : 0) << text.left(20).toStdString();
    }
    EXPECT_EQ(openSelect(xsdjcxSql(QStringLiteral(" 甲 "), QStringLiteral("2013-05-28"), QStringLiteral("2013-05-28"))).rowCount(), 1);
    // The search dialog hands its customer text back as typed; the query searches with it.
    query([&](TF_Xsdjcx* q) {
        for (const QString& text : hostile) {
            TF_Form::scriptNextOpening(QStringLiteral("TF_Xsth_Search"), [&](TF_Form* d) {
                static_cast<TF_Xsth_Search*>(d)->tkh->setText(text);
                click(d, "btnOK");
            });
            click(q, "btnSearch");
            EXPECT_EQ(q->cxGrid2View->rowCount(), text.isEmpty() ? 1 : 0);
        }
        // Leaving the dialog with Esc applies nothing.
        q->tKey->setText(QStringLiteral("甲"));
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xsth_Search"), [](TF_Form* d) { d->close(); });
        click(q, "btnSearch");
        EXPECT_EQ(q->tKey->text(), "甲");
        q->close();
    }, QStringLiteral("甲"));
    EXPECT_EQ(selectValue("select count(*) from jxc_lsxsd"), "1");
}

}  // namespace
