#include "members/hyksz.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "members/hyfl_modi.h"
#include "members/hyyh_modi.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Hyksz* F_Hyksz = nullptr;

namespace {

QString currentCode(DataGrid* grid, const char* codeColumn)
{
    const int row = grid->currentRow();
    return row < 0 ? QString() : grid->value(row, QString::fromLatin1(codeColumn));
}

QDateEdit* dateBox(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

QLineEdit* numberBox(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}

}  // namespace

TF_Hyksz::TF_Hyksz(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hyksz"));
    setWindowTitle(QStringLiteral("会员卡设置"));
    setEscCloses(true);
    resize(760, 560);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // Page 1: levels and schemes
    auto* page1 = new QWidget(PageControl1);
    auto* levels = new QGroupBox(QStringLiteral("会员等级设置"), page1);
    DBGrid1 = new DataGrid(levels);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Hyfl);
    DBGrid1->addColumn(QStringLiteral("hl_sn"), QStringLiteral("编号"), 70);
    DBGrid1->addColumn(QStringLiteral("hl_name"), QStringLiteral("级别名称"), 120);
    DBGrid1->addColumn(QStringLiteral("hl_zk"), QStringLiteral("级别折扣"), 70);
    DBGrid1->addColumn(QStringLiteral("hl_jfxx"), QStringLiteral("积分下限"), 80);
    DBGrid1->addColumn(QStringLiteral("hl_jfsx"), QStringLiteral("积分上限"), 80);
    btnAdd1 = namedButton(levels, "btnAdd1", QStringLiteral("增加"));
    btnModi1 = namedButton(levels, "btnModi1", QStringLiteral("修改"));
    btnDele1 = namedButton(levels, "btnDele1", QStringLiteral("删除"));
    btnExit = namedButton(levels, "btnExit", QStringLiteral("退出"));
    auto* levelBox = new QHBoxLayout(levels);
    levelBox->addWidget(DBGrid1, 1);
    auto* levelButtons = new QVBoxLayout;
    for (QPushButton* b : {btnAdd1, btnModi1, btnDele1, btnExit})
        levelButtons->addWidget(b);
    levelButtons->addStretch();
    levelBox->addLayout(levelButtons);

    auto* schemes = new QGroupBox(QStringLiteral("优惠方式设置"), page1);
    DBGrid2 = new DataGrid(schemes);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setQuery(DataModule->Q_Hyyh);
    DBGrid2->addColumn(QStringLiteral("hh_name"), QStringLiteral("会员卡名称"), 120);
    DBGrid2->addColumn(QStringLiteral("hh_zlname"), QStringLiteral("优惠种类"), 110);
    DBGrid2->addColumn(QStringLiteral("hh_note"), QStringLiteral("优惠说明"), 220);
    btnAdd2 = namedButton(schemes, "btnAdd2", QStringLiteral("增加"));
    btnModi2 = namedButton(schemes, "btnModi2", QStringLiteral("修改"));
    btnDele2 = namedButton(schemes, "btnDele2", QStringLiteral("删除"));
    auto* schemeBox = new QHBoxLayout(schemes);
    schemeBox->addWidget(DBGrid2, 1);
    auto* schemeButtons = new QVBoxLayout;
    for (QPushButton* b : {btnAdd2, btnModi2, btnDele2})
        schemeButtons->addWidget(b);
    schemeButtons->addStretch();
    schemeBox->addLayout(schemeButtons);
    auto* box1 = new QVBoxLayout(page1);
    box1->addWidget(levels);
    box1->addWidget(schemes);
    PageControl1->addTab(page1, QStringLiteral("会员卡设置"));

    // Page 2: the points rule
    auto* page2 = new QWidget(PageControl1);
    cbJfgz = new QComboBox(page2);
    cbJfgz->setObjectName(QStringLiteral("cbJfgz"));
    cbJfgz->addItems({QStringLiteral("储值时积分"), QStringLiteral("消费时积分")});
    edtMfje = numberBox(page2, "edtMfje", 6);
    auto* perPoint = new QDoubleValidator(0, 999999, 2, edtMfje);
    perPoint->setNotation(QDoubleValidator::StandardNotation);
    edtMfje->setValidator(perPoint);
    chkYelj = new QCheckBox(QStringLiteral("本次积分剩余金额累加到下次使用"), page2);
    chkYelj->setObjectName(QStringLiteral("chkYelj"));
    dtDbrq1 = dateBox(page2, "dtDbrq1");
    dtDbrq2 = dateBox(page2, "dtDbrq2");
    edtDbjf = numberBox(page2, "edtDbjf", 5);
    edtDbjf->setValidator(new QIntValidator(0, 99999, edtDbjf));
    btnSave1 = namedButton(page2, "btnSave1", QStringLiteral("保存"));
    auto* rule = new QHBoxLayout;
    rule->addWidget(new QLabel(QStringLiteral("会员积分规则"), page2));
    rule->addWidget(cbJfgz);
    rule->addStretch();
    auto* amount = new QHBoxLayout;
    amount->addWidget(new QLabel(QStringLiteral("每消费"), page2));
    amount->addWidget(edtMfje);
    amount->addWidget(new QLabel(QStringLiteral("元积一分(0表示不积分)"), page2));
    amount->addStretch();
    auto* multiple = new QGroupBox(QStringLiteral("会员多倍积分设置"), page2);
    auto* multipleRow = new QHBoxLayout(multiple);
    multipleRow->addWidget(dtDbrq1);
    multipleRow->addWidget(new QLabel(QStringLiteral("至"), multiple));
    multipleRow->addWidget(dtDbrq2);
    multipleRow->addWidget(new QLabel(QStringLiteral("日会员可以积"), multiple));
    multipleRow->addWidget(edtDbjf);
    multipleRow->addWidget(new QLabel(QStringLiteral("倍积分(0表示无多倍)"), multiple));
    multipleRow->addStretch();
    auto* box2 = new QVBoxLayout(page2);
    box2->addLayout(rule);
    box2->addLayout(amount);
    box2->addWidget(chkYelj);
    box2->addWidget(multiple);
    box2->addLayout(buttonRow({btnSave1}));
    box2->addStretch();
    PageControl1->addTab(page2, QStringLiteral("积分设置"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);

    onClicked(btnAdd1, [this] { btnAdd1Click(); });
    onClicked(btnModi1, [this] { btnModi1Click(); });
    onClicked(btnDele1, [this] { btnDele1Click(); });
    onClicked(btnExit, [this] { reject(); });
    onClicked(btnAdd2, [this] { btnAdd2Click(); });
    onClicked(btnModi2, [this] { btnModi2Click(); });
    onClicked(btnDele2, [this] { btnDele2Click(); });
    onClicked(btnSave1, [this] { btnSave1Click(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModi1Click(); }); });
    connect(DBGrid2, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModi2Click(); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            runGuarded([this] { loadPointsPage(); });
    });
}

void TF_Hyksz::FormActivate()
{
    DataModule->Q_Hyfl->open(QStringLiteral("select * from jxc_hyfl order by id"));
    DataModule->Q_Hyyh->open(QStringLiteral("select * from jxc_hyyh order by id"));
    dtDbrq1->setDate(Clock::today());
    dtDbrq2->setDate(Clock::today());
    const QSignalBlocker block(PageControl1);
    PageControl1->setCurrentIndex(0);
}

void TF_Hyksz::FormClose()
{
    DataModule->Q_Hyfl->close();
    DataModule->Q_Hyyh->close();
}

void TF_Hyksz::afterDialog(NamedQuery* list, const char* codeColumn, const QString& code, int answer)
{
    if (answer != QDialog::Accepted)
        return;
    list->refresh();
    if (code.isEmpty())
        list->setCurrentRow(list->rowCount() - 1);
    else
        list->locate(QString::fromLatin1(codeColumn), code);
}

void TF_Hyksz::btnAdd1Click()
{
    afterDialog(DataModule->Q_Hyfl, "hl_sn", QString(), ensureForm(F_Hyfl_Add)->showModalForm());
}

QString TF_Hyksz::passingCode(DataGrid* grid, const char* codeColumn, QString (*refusal)(const QString&))
{
    const QString code = currentCode(grid, codeColumn);
    if (code.isEmpty())
        return {};
    if (const QString text = refusal(code); !text.isEmpty()) {
        msgInfo(text, this);
        return {};
    }
    return code;
}

void TF_Hyksz::modifyCurrent(DataGrid* grid, const char* codeColumn, QString (*refusal)(const QString&),
                             int (*edit)(const QString&))
{
    const QString code = passingCode(grid, codeColumn, refusal);
    if (code.isEmpty())
        return;
    afterDialog(grid->query(), codeColumn, code, edit(code));
}

void TF_Hyksz::btnModi1Click()
{
    modifyCurrent(DBGrid1, "hl_sn", levelModifyRefusal, [](const QString& code) {
        TF_Hyfl_Modi* form = ensureForm(F_Hyfl_Modi);
        form->setLevel(code);
        return form->showModalForm();
    });
}

void TF_Hyksz::btnAdd2Click()
{
    afterDialog(DataModule->Q_Hyyh, "hh_sn", QString(), ensureForm(F_Hyyh_Add)->showModalForm());
}

void TF_Hyksz::btnModi2Click()
{
    modifyCurrent(DBGrid2, "hh_sn", schemeModifyRefusal, [](const QString& code) {
        TF_Hyyh_Modi* form = ensureForm(F_Hyyh_Modi);
        form->setScheme(code);
        return form->showModalForm();
    });
}

void TF_Hyksz::deleteCurrent(DataGrid* grid, const char* codeColumn, QString (*refusal)(const QString&),
                             void (*remove)(const QString&), const QString& question)
{
    const QString code = passingCode(grid, codeColumn, refusal);
    if (code.isEmpty())
        return;
    if (!msgYesNo(question, this))
        return;
    remove(code);
    grid->query()->refresh();
}

void TF_Hyksz::btnDele1Click()
{
    deleteCurrent(DBGrid1, "hl_sn", levelDeleteRefusal, deleteLevel, QStringLiteral("您确定要删除该等级信息吗！"));
}

void TF_Hyksz::btnDele2Click()
{
    deleteCurrent(DBGrid2, "hh_sn", schemeDeleteRefusal, deleteScheme, QStringLiteral("您确定要删除该优惠选项信息吗！"));
}

void TF_Hyksz::loadPointsPage()
{
    const PointsSettings s = readPointsSettings();
    cbJfgz->setCurrentIndex(s.rule == 1 ? 1 : 0);
    edtMfje->setText(s.perPoint.toText());
    chkYelj->setChecked(s.carryOver);
    edtDbjf->setText(s.multiple.toText());
    for (auto [box, text] : {std::pair{dtDbrq1, s.date1}, std::pair{dtDbrq2, s.date2}}) {
        if (text.isEmpty())
            continue;
        const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        box->setDate(d.isValid() ? d : Clock::today());
    }
}

void TF_Hyksz::btnSave1Click()
{
    savePointsSettings({.rule = cbJfgz->currentIndex(),
                        .perPoint = Money::fromText(edtMfje->text().trimmed()),
                        .carryOver = chkYelj->isChecked(),
                        .multiple = Money::fromText(edtDbjf->text().trimmed()),
                        .date1 = dtDbrq1->date().toString(QStringLiteral("yyyy-MM-dd")),
                        .date2 = dtDbrq2->date().toString(QStringLiteral("yyyy-MM-dd"))});
    msgInfo(QStringLiteral("保存成功！"), this);
}
