#include "purchasing/cgjh_import.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/summaries.h"
#include "data/values.h"
#include "masterdata/importdata.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/shellopen.h"
#include "shell/mainform.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Cgjh_Import* F_Cgjh_Import = nullptr;

namespace {

// The sheet's columns by position, as the template heads them; only code, name, price and
// quantity are read.
constexpr const char* kHeadings[] = {"商品编号", "商品名称", "单位", "规格型号", "颜色", "单价", "数量"};
constexpr int kCode = 0;
constexpr int kName = 1;
constexpr int kPrice = 5;
constexpr int kQuantity = 6;

QString cell(const ResultSet& rs, int row, int col)
{
    return col < rs.columnCount() ? rs.text(row, col).trimmed() : QString();
}

struct RowStatus {
    int status = 0;
    QString note = QStringLiteral("可顺利导入");
    void set(int s, const char* text)
    {
        status = s;
        note = QString::fromUtf8(text);
    }
};

}  // namespace

QStringList cgjhImportHeadings()
{
    QStringList headings;
    for (const char* heading : kHeadings)
        headings << QString::fromUtf8(heading);
    return headings;
}

QString cgjhImportTemplatePath()
{
    return programDir() + QStringLiteral("/模板文件/采购进货单模板.xls");
}

void writeCgjhImportTemplate(const QString& path)
{
    writeTemplateWorkbook(cgjhImportHeadings(), path);
}

CgjhImportCount readCgjhImport(const QString& path)
{
    setExcelConn(path);
    clearTempSpxf();
    NamedQuery* excel = DataModule->Q_Excel;
    const QString sheet = QFileInfo(path).fileName().chopped(4);
    try {
        excel->open(QStringLiteral("select * from [%1$]").arg(sheet));
    } catch (const DbError&) {
        closeExcelConn();
        throw;
    }
    const ResultSet rs = excel->result();
    closeExcelConn();

    CgjhImportCount count;
    count.rows = rs.rowCount();
    Transaction tx;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString code = cell(rs, r, kCode);
        const QString name = cell(rs, r, kName);
        const QString price = cell(rs, r, kPrice);
        const QString quantity = cell(rs, r, kQuantity);
        bool priceOk = true;
        bool quantityOk = true;
        const Money dj = price.isEmpty() ? Money() : Money::fromText(price, &priceOk);
        const Money sl = quantity.isEmpty() ? Money() : Money::fromText(quantity, &quantityOk);

        const ResultSet goods = openSelect(QStringLiteral("select g_name from jxc_goods where g_sn=? order by id limit 1"),
                                           {{QString(), code}});
        RowStatus st;
        if (!goods.isEmpty() && goods.text(0, 0) != name)
            st.set(1, "商品名称和编号不一致");
        if (goods.isEmpty())
            st.set(2, "商品不存在");
        if (!priceOk)
            st.set(2, "单价必须是数字");
        if (quantity.isEmpty())
            st.set(2, "数量不能为空");
        else if (!quantityOk)
            st.set(2, "数量必须是数字");
        else if (sl <= Money())
            st.set(2, "数量不能为零或负数");
        if (st.status != 0)
            ++count.problems;

        // Cells that are no numbers are kept as read, for the operator to see.
        const QVariant djValue = price.isEmpty() ? QVariant() : priceOk ? QVariant(dj.toDouble()) : QVariant(price);
        const QVariant slValue = quantity.isEmpty() ? QVariant() : quantityOk ? QVariant(sl.toDouble()) : QVariant(quantity);
        const QVariant zje = !price.isEmpty() && !quantity.isEmpty() && priceOk && quantityOk ? QVariant((dj * sl).toDouble())
                                                                                             : QVariant();
        execSql(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_dzl,ts_note,a_name) values "
                               "(:sn,:dj,:sl,:zje,:dzl,:note,:aname)"),
                {{QStringLiteral(":sn"), code},
                 {QStringLiteral(":dj"), djValue},
                 {QStringLiteral(":sl"), slValue},
                 {QStringLiteral(":zje"), zje},
                 {QStringLiteral(":dzl"), st.status},
                 {QStringLiteral(":note"), st.note},
                 {QStringLiteral(":aname"), operatorName}});
    }
    tx.commit();
    return count;
}

int importCgjhLines(const QString& djh)
{
    Transaction tx;
    const int added = selectValue(QStringLiteral("select count(*) from jxc_tempspxf where ts_dzl=0")).toInt();
    execSql(QStringLiteral("insert into jxc_jhsp (j_sn,jh_dj,jh_sl,jh_zje,g_sn,a_name) select ?,ts_dj,ts_sl,ts_zje,g_sn,? "
                           "from jxc_tempspxf where ts_dzl=0 order by id"),
            {{QString(), djh}, {QString(), operatorName}});
    clearTempSpxf();
    tx.commit();
    return added;
}

TF_Cgjh_Import::TF_Cgjh_Import(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Cgjh_Import"));
    setWindowTitle(QStringLiteral("采购单据导入"));
    setMainAction([this] {
        if (step2->isVisible())
            btnImportClick();
    });
    setEscCloses(true);

    // Step 1.
    step1 = new QGroupBox(QStringLiteral("第一步：准备导入数据"));
    step1->setObjectName(QStringLiteral("step1"));
    auto* s1 = new QVBoxLayout(step1);
    s1->addWidget(new QLabel(QStringLiteral("操作说明：")));
    auto* link = new QLabel(QStringLiteral("1、编辑处理您要导入的Excel文件。格式必须和<a href=\"template\">软件提供的Excel模板</a>"
                                           "中的数据格式一致。否则，会导致导入操作失败。"));
    link->setObjectName(QStringLiteral("lbTemplate"));
    link->setWordWrap(true);
    connect(link, &QLabel::linkActivated, this, [this] { shellOpenOrSay(cgjhImportTemplatePath(), this); });
    s1->addWidget(link);
    for (const char* text :
         {"2、点击“打开文件”按钮，浏览打开整理好的Excel数据文件，点击“下一步”按钮，进入下个操作步骤的面板。",
          "3、在该面板上，每行数据第一列的符号，将标示出哪些数据记录可以导入，哪些是有问题的。此时，用户可以点击“上一步”按钮，"
          "返回本面板重新编辑数据文件，或者点击“导入”按钮导入正确的数据记录。",
          "4、导入操作完成。点击“完成”按钮，结束当前导入操作。"}) {
        auto* label = new QLabel(QString::fromUtf8(text));
        label->setWordWrap(true);
        s1->addWidget(label);
    }
    btnOpen = namedButton(this, "btnOpen", QStringLiteral("打开文件(F2)"));
    btnNext = namedButton(this, "btnNext", QStringLiteral("下一步(&N)"));
    auto* btnCancel1 = namedButton(this, "btnCancel1", QStringLiteral("取消(Esc)"));
    s1->addStretch(1);
    s1->addLayout(buttonRow({btnOpen, btnNext, btnCancel1}));

    // Step 2.
    step2 = new QGroupBox(QStringLiteral("选择要导入的 商品"));
    step2->setObjectName(QStringLiteral("step2"));
    auto* s2 = new QVBoxLayout(step2);
    s2->addWidget(new QLabel(QStringLiteral("符号：  √ 表示数据正确    ! 表示数据存在问题，但可导入    × 表示不可导入    "
                                            "“提示信息”列有详细说明")));
    DBGridImport = new DataGrid;
    DBGridImport->setObjectName(QStringLiteral("DBGridImport"));
    DBGridImport->setQuery(DataModule->Q_JhImport);
    DBGridImport->setLineNumbers(true);
    DBGridImport->addColumn(QStringLiteral("ts_dzl"), QString(), 30)
        .setLookup({{QStringLiteral("0"), QStringLiteral("√")},
                    {QStringLiteral("1"), QStringLiteral("!")},
                    {QStringLiteral("2"), QStringLiteral("×")}});
    DBGridImport->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    DBGridImport->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 130);
    DBGridImport->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGridImport->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 90);
    DBGridImport->addColumn(QStringLiteral("ts_dj"), QStringLiteral("单价"), 70);
    DBGridImport->addColumn(QStringLiteral("ts_sl"), QStringLiteral("数量"), 60);
    DBGridImport->addColumn(QStringLiteral("ts_note"), QStringLiteral("提示信息"), 160);
    DBGridImport->setCellStyle([](int row, const QString& field, CellStyle& style) {
        if (field != QLatin1String("ts_dzl"))
            return;
        const QString status = DataModule->Q_JhImport->value(row, field);
        style.text = status == QLatin1String("0") ? Qt::darkGreen : status == QLatin1String("1") ? Qt::darkYellow : Qt::red;
        style.bold = true;
    });
    s2->addWidget(DBGridImport, 1);
    btnPrev = namedButton(this, "btnPrev", QStringLiteral("上一步(&P)"));
    btnImport = namedButton(this, "btnImport", QStringLiteral("导入(F5)"));
    auto* btnCancel2 = namedButton(this, "btnCancel2", QStringLiteral("取消(Esc)"));
    s2->addLayout(buttonRow({btnPrev, btnImport, btnCancel2}));

    auto* col = new QVBoxLayout(this);
    col->addWidget(step1);
    col->addWidget(step2);
    resize(720, 480);

    onClicked(btnOpen, [this] { btnOpenClick(); });
    onClicked(btnNext, [this] { btnNextClick(); });
    onClicked(btnPrev, [this] { btnPrevClick(); });
    onClicked(btnImport, [this] { btnImportClick(); });
    onClicked(btnCancel1, [this] { reject(); });
    onClicked(btnCancel2, [this] { reject(); });
}

void TF_Cgjh_Import::reset()
{
    m_count = {};
    step2->hide();
    step1->show();
    btnNext->setEnabled(false);
}

void TF_Cgjh_Import::FormActivate()
{
    reset();
}

void TF_Cgjh_Import::btnPrevClick()
{
    reset();
}

bool TF_Cgjh_Import::FormKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F2 || event->modifiers() != Qt::NoModifier)
        return false;
    runGuarded([this] { btnOpenClick(); });
    return true;
}

void TF_Cgjh_Import::btnOpenClick()
{
    const QString path = openFileDialog(QStringLiteral("(*.xls)|*.xls"), QString(), this);
    if (path.isEmpty())
        return;
    m_count = {};
    btnNext->setEnabled(false);
    try {
        m_count = readCgjhImport(path);
    } catch (const DbError&) {
        msgInfo(QStringLiteral("您没有安装Excel或导入文件不是Excel，不能进行导入操作！"), this);
        return;
    }
    btnNext->setEnabled(true);
}

void TF_Cgjh_Import::btnNextClick()
{
    step1->hide();
    step2->show();
    DataModule->Q_JhImport->open(
        QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name from jxc_tempspxf a left join jxc_goods b on "
                       "a.g_sn=b.g_sn order by a.id"));
}

void TF_Cgjh_Import::btnImportClick()
{
    if (m_count.rows == 0) {
        msgInfo(QStringLiteral("模板中没有数据，不能进行导入操作！"), this);
        return;
    }
    importCgjhLines(m_number);
    const CgjhImportCount done = m_count;
    m_count = {};
    msgInfo(QStringLiteral("导入完毕\r\n\r\n共%1条记录\r\n\r\n成功导入%2条\r\n\r\n失败%3条")
                .arg(done.rows)
                .arg(done.rows - done.problems)
                .arg(done.problems),
            this);
    accept();
}

void TF_Cgjh_Import::FormClose()
{
    DataModule->Q_JhImport->close();
}
