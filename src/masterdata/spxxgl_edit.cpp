#include "masterdata/spxxgl_edit.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/settings.h"
#include "masterdata/spxxgl_pic.h"
#include "masterdata/spxxgl_price.h"
#include "platform/categorytree.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "shell/commands.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSet>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString kClassSql = QStringLiteral("select * from jxc_goodsclass order by id");
const QString kEnabledGoodsSql = QStringLiteral(
    "select a.*,b.gc_name from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn and a.g_jy=0 order by a.id");

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QPushButton* dotsButton(QWidget* parent, const char* name)
{
    QPushButton* b = button(parent, name, QStringLiteral("..."));
    b->setFixedWidth(28);
    return b;
}

}  // namespace

QLineEdit* TF_SpxxglEdit::moneyEdit(QWidget* parent, const char* name)
{
    QLineEdit* e = lineEdit(parent, name, 9);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,8}(\\.\\d{0,2})?")), e));
    QObject::connect(e, &QLineEdit::editingFinished, e, [e] {
        if (e->text().trimmed().isEmpty())
            e->setText(QStringLiteral("0"));
    });
    return e;
}

QString TF_SpxxglEdit::newUnitText()
{
    return QStringLiteral("增加新单位...");
}

TF_SpxxglEdit::TF_SpxxglEdit(const QString& objectName, const QString& caption, const QString& callerWord,
                             QWidget* parent)
    : TF_Form(parent), m_callerWord(callerWord)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setMainAction([this] { btnSaveClick(); });
    setEscCloses(true);

    auto* fieldsBox = new QWidget(this);
    m_fields = new QGridLayout(fieldsBox);
    m_fields->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    auto addRow = [this, &row](const QString& label, QWidget* field, QWidget* side = nullptr) {
        m_fields->addWidget(new QLabel(label), row, 0);
        m_fields->addWidget(field, row, 1);
        if (side)
            m_fields->addWidget(side, row, 2);
        ++row;
    };

    tgc_name = lineEdit(fieldsBox, "tgc_name", 64);
    tgc_name->setReadOnly(true);
    tgc_name->setPlaceholderText(QStringLiteral("请点击红色按钮,选择商品分类!"));
    btnGc = dotsButton(fieldsBox, "btnGc");
    btnGc->setStyleSheet(QStringLiteral("color: white; background: #d22;"));
    addRow(QStringLiteral("所属类别："), tgc_name, btnGc);
    tg_sn = lineEdit(fieldsBox, "tg_sn", 20);
    installKeyFilter(tg_sn);
    addRow(QStringLiteral("商品编号："), tg_sn);
    tg_name = lineEdit(fieldsBox, "tg_name", 32);
    installKeyFilter(tg_name);
    addRow(QStringLiteral("商品名称："), tg_name);
    tg_sptm = lineEdit(fieldsBox, "tg_sptm", 32);
    addRow(QStringLiteral("商品条码："), tg_sptm);
    ComTmtype = new QComboBox(fieldsBox);
    ComTmtype->setObjectName(QStringLiteral("ComTmtype"));
    ComTmtype->addItems({QStringLiteral("商品条码+颜色+尺码"), QStringLiteral("商品条码+尺码+颜色")});
    addRow(QStringLiteral("条码格式："), ComTmtype);
    ComDw = new QComboBox(fieldsBox);
    ComDw->setObjectName(QStringLiteral("ComDw"));
    addRow(QStringLiteral("单        位："), ComDw);
    tgg_name = lineEdit(fieldsBox, "tgg_name", 32);
    addRow(QStringLiteral("款型说明："), tgg_name);
    ComColorz = new CodeComboBox(fieldsBox);
    ComColorz->setObjectName(QStringLiteral("ComColorz"));
    btnColorz = dotsButton(fieldsBox, "btnColorz");
    addRow(QStringLiteral("颜  色  组："), ComColorz, btnColorz);
    ComCmz = new CodeComboBox(fieldsBox);
    ComCmz->setObjectName(QStringLiteral("ComCmz"));
    btnCmz = dotsButton(fieldsBox, "btnCmz");
    addRow(QStringLiteral("尺 码  组："), ComCmz, btnCmz);
    ComPpcs = new QComboBox(fieldsBox);
    ComPpcs->setObjectName(QStringLiteral("ComPpcs"));
    btnPpcs = dotsButton(fieldsBox, "btnPpcs");
    addRow(QStringLiteral("品牌厂家："), ComPpcs, btnPpcs);
    g_jj = moneyEdit(fieldsBox, "g_jj");
    addRow(QStringLiteral("预设进价："), g_jj);
    g_sj = moneyEdit(fieldsBox, "g_sj");
    btnPrice = dotsButton(fieldsBox, "btnPrice");
    addRow(QStringLiteral("预设售价："), g_sj, btnPrice);
    tg_zdkc = lineEdit(fieldsBox, "tg_zdkc", 6);
    tg_zdkc->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), tg_zdkc));
    addRow(QStringLiteral("库存下限："), tg_zdkc);
    tg_bz = lineEdit(fieldsBox, "tg_bz", 32);
    addRow(QStringLiteral("备        注："), tg_bz);
    tpic = lineEdit(fieldsBox, "tpic", 32767);
    tpic->setReadOnly(true);
    btnPic = button(fieldsBox, "btnPic", QStringLiteral("操作"));
    addRow(QStringLiteral("照        片："), tpic, btnPic);
    for (QComboBox* combo : {ComTmtype, ComDw, static_cast<QComboBox*>(ComColorz), static_cast<QComboBox*>(ComCmz),
                             ComPpcs})
        combo->setMinimumWidth(200);

    // The category panel, hidden until the category button shows it.
    PanelClass = new QWidget(this);
    PanelClass->setObjectName(QStringLiteral("PanelClass"));
    tvClass = new CategoryTree(PanelClass);
    tvClass->setObjectName(QStringLiteral("tvClass"));
    tvClass->setContextMenuPolicy(Qt::CustomContextMenu);
    tvClass->setMinimumWidth(200);
    btnClassOp = button(PanelClass, "btnClassOp", QStringLiteral("操作"));
    btnClassOK = button(PanelClass, "btnClassOK", QStringLiteral("确认"));
    btnClassExit = button(PanelClass, "btnClassExit", QStringLiteral("退出"));
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addWidget(btnClassOp);
    panelButtons->addWidget(btnClassOK);
    panelButtons->addWidget(btnClassExit);
    auto* panelCol = new QVBoxLayout(PanelClass);
    panelCol->setContentsMargins(0, 0, 0, 0);
    panelCol->addWidget(tvClass, 1);
    panelCol->addLayout(panelButtons);
    PanelClass->hide();

    PopupClass = new QMenu(this);
    PopupClass->setObjectName(QStringLiteral("PopupClass"));
    N_Create = PopupClass->addAction(QStringLiteral("创建类别(&X)"));
    N_Rename = PopupClass->addAction(QStringLiteral("重命名(&Y)"));
    N_Delete = PopupClass->addAction(QStringLiteral("删除类别(&Z)"));

    btnSave = button(this, "btnSave", QStringLiteral("保存(F5)"));
    btnExit = button(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* buttons = buttonRow({btnSave, btnExit});

    m_body = new QHBoxLayout;
    m_body->addWidget(fieldsBox);
    m_body->addWidget(PanelClass);
    auto* col = new QVBoxLayout(this);
    col->addLayout(m_body);
    col->addLayout(buttons);

    onClicked(btnSave, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    onClicked(btnGc, [this] { btnGcClick(); });
    onClicked(btnColorz, [this] { btnColorzClick(); });
    onClicked(btnCmz, [this] { btnCmzClick(); });
    onClicked(btnPpcs, [this] { btnPpcsClick(); });
    onClicked(btnPrice, [this] { btnPriceClick(); });
    onClicked(btnPic, [this] { btnPicClick(); });
    onClicked(btnClassOK, [this] { btnClassOKClick(); });
    connect(btnClassExit, &QPushButton::clicked, this, [this] { showClassPanel(false); });
    onClicked(btnClassOp, [this] {
        classMenuAboutToShow();
        PopupClass->popup(btnClassOp->mapToGlobal(QPoint(0, btnClassOp->height())));
    });
    connect(tvClass, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        classMenuAboutToShow();
        PopupClass->popup(tvClass->viewport()->mapToGlobal(pos));
    });
    connect(tvClass, &CategoryTree::nodeClicked, this, [this](int id) { m_clickedCid = QString::number(id); });
    connect(tvClass, &QTreeWidget::itemDoubleClicked, this, [this] { runGuarded([this] { btnClassOKClick(); }); });
    connect(N_Create, &QAction::triggered, this, [this] { runGuarded([this] { N_CreateClick(); }); });
    connect(N_Rename, &QAction::triggered, this, [this] { runGuarded([this] { N_RenameClick(); }); });
    connect(N_Delete, &QAction::triggered, this, [this] { runGuarded([this] { N_DeleteClick(); }); });
    tvClass->setRenameHandler([this](int id, const QString& name) {
        renameGoodsClass(*DataModule->Q_GoodsClass, name);
        if (QString::number(id) == m_gcCid)
            tgc_name->setText(name);
    });

    connect(tg_sn, &QLineEdit::textEdited, this, [this] { runGuarded([this] { setTm(); }); });
    connect(ComDw, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && ComDw->itemText(index) != newUnitText())
            m_unitIndex = index;
    });
    connect(ComDw, &QComboBox::activated, this, [this] { runGuarded([this] { ComDwChange(); }); });
}

void TF_SpxxglEdit::fillLists()
{
    fillComboBox(ComDw, QStringLiteral("jxc_dw"), QStringLiteral("dw_name"), newUnitText(), QStringLiteral("0"),
                 QStringLiteral("id"));
    fillCodeCombo(ComColorz, QStringLiteral("jxc_colorz"), QStringLiteral("colorz_name"), QString(),
                  QStringLiteral("id"), QStringLiteral("colorz_sn"));
    fillCodeCombo(ComCmz, QStringLiteral("jxc_cmz"), QStringLiteral("cmz_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("cmz_sn"));
    fillComboBox(ComPpcs, QStringLiteral("jxc_ppcs"), QStringLiteral("pp_name"), QString(), QStringLiteral("0"),
                 QStringLiteral("id"));
    ComDw->setCurrentIndex(ComDw->count() > 1 ? 1 : -1);
    for (QComboBox* combo : {static_cast<QComboBox*>(ComColorz), static_cast<QComboBox*>(ComCmz), ComPpcs})
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

void TF_SpxxglEdit::openClassTree()
{
    NamedQuery* classes = DataModule->Q_GoodsClass;
    if (tvClass->query() != classes)
        tvClass->setQuery(classes);
    openQuery(classes, kClassSql);
    // The first category below the root.
    const int row = classes->rowCount() >= 2 ? 1 : 0;
    if (classes->rowCount() > 0)
        tvClass->selectById(classes->value(row, QStringLiteral("gc_cid")).toInt());
}

void TF_SpxxglEdit::showClassPanel(bool show)
{
    PanelClass->setVisible(show);
    adjustSize();
}

void TF_SpxxglEdit::reloadGoodsList()
{
    openQuery(DataModule->Q_Goods, kEnabledGoodsSql);
}

void TF_SpxxglEdit::closeClassQueries()
{
    if (!DataModule)
        return;
    DataModule->Q_GoodsClass->close();
    openQuery(DataModule->ADOQueryGoodsClass, DataModule->ADOQueryGoodsClass->designSql());
}

void TF_SpxxglEdit::btnGcClick()
{
    showClassPanel(true);
}

void TF_SpxxglEdit::btnClassOKClick()
{
    const int id = tvClass->currentId();
    if (id < 0 || tvClass->currentField(QStringLiteral("gc_pid")) == u"0")
        return;
    tgc_name->setText(tvClass->currentName());
    m_gcSn = tvClass->currentCode();
    m_gcCid = QString::number(id);
    categoryConfirmed();
    showClassPanel(false);
    setTm();
}

void TF_SpxxglEdit::setTm()
{
    if (!settingOn(csTmzdsc))
        return;
    const QString code = tg_sn->text().trimmed();
    if (code.isEmpty())
        return;
    if (csTmscff == u"0")
        tg_sptm->setText(code);
    else if (csTmscff == u"1")
        tg_sptm->setText(m_clickedCid + code);
}

void TF_SpxxglEdit::btnColorzClick()
{
    openWindow(QStringLiteral("TF_Colorz"), QString(), QStringLiteral("颜色组"));
    fillCodeCombo(ComColorz, QStringLiteral("jxc_colorz"), QStringLiteral("colorz_name"), QString(),
                  QStringLiteral("id"), QStringLiteral("colorz_sn"));
    ComColorz->setCurrentIndex(ComColorz->count() > 0 ? 0 : -1);
}

void TF_SpxxglEdit::btnCmzClick()
{
    openWindow(QStringLiteral("TF_Cmz"), QString(), QStringLiteral("尺码组"));
    fillCodeCombo(ComCmz, QStringLiteral("jxc_cmz"), QStringLiteral("cmz_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("cmz_sn"));
    ComCmz->setCurrentIndex(ComCmz->count() > 0 ? 0 : -1);
}

void TF_SpxxglEdit::btnPpcsClick()
{
    openWindow(QStringLiteral("TF_Ppcs"), QString(), QStringLiteral("品牌厂商"));
    fillComboBox(ComPpcs, QStringLiteral("jxc_ppcs"), QStringLiteral("pp_name"), QString(), QStringLiteral("0"),
                 QStringLiteral("id"));
    ComPpcs->setCurrentIndex(ComPpcs->count() > 0 ? 0 : -1);
}

void TF_SpxxglEdit::btnPriceClick()
{
    openPrices();
}

void TF_SpxxglEdit::openPrices()
{
    TF_Spxxgl_Price* prices = ensureForm(F_Spxxgl_Price);
    prices->formFlag = m_callerWord;
    prices->showModalForm();
}

void TF_SpxxglEdit::btnPicClick()
{
    const QString code = tg_sn->text().trimmed();
    if (code.isEmpty()) {
        msgInfo(QStringLiteral("请选择商品类别！"), this);
        return;
    }
    paramValue = code;
    showForm(F_Spxxgl_Pic);
    paramValue.clear();
}

void TF_SpxxglEdit::ComDwChange()
{
    if (ComDw->currentText() != newUnitText())
        return;
    // The unit window answers this dialog by its word: set it for every opening, since the group
    // windows use the same global for their own hand-over.
    callerFlag = m_callerWord;
    openWindow(QStringLiteral("TF_Dwgl"), QString(), QStringLiteral("单位管理"));
    callerFlag.clear();
    // Closed without a unit confirmed: the unit chosen before comes back.
    if (ComDw->currentText() == newUnitText()) {
        const QSignalBlocker blocker(ComDw);
        ComDw->setCurrentIndex(m_unitIndex >= 0 && m_unitIndex < ComDw->count() ? m_unitIndex : -1);
    }
}

void TF_SpxxglEdit::classMenuAboutToShow()
{
    const bool root = tvClass->currentField(QStringLiteral("gc_pid")) == u"0";
    N_Rename->setEnabled(!root);
    N_Delete->setEnabled(!root);
}

void TF_SpxxglEdit::N_CreateClick()
{
    const int parent = tvClass->currentId();
    if (parent < 0)
        return;
    NamedQuery* classes = DataModule->Q_GoodsClass;
    const int cid = selectValue(QStringLiteral("select max(gc_cid) from jxc_goodsclass")).toInt() + 1;
    try {
        Transaction tx;
        appendRow(QStringLiteral("jxc_goodsclass"), {{QStringLiteral("gc_name"), QStringLiteral("新类别")},
                                                     {QStringLiteral("gc_pid"), parent},
                                                     {QStringLiteral("gc_cid"), cid}});
        openQuery(classes, kClassSql);
        tvClass->selectById(cid);
        setGoodsClassCode(*classes);
        tx.commit();
    } catch (...) {
        // The tree shows what the database holds.
        openQuery(classes, kClassSql);
        tvClass->selectById(parent);
        throw;
    }
}

void TF_SpxxglEdit::N_RenameClick()
{
    if (tvClass->currentField(QStringLiteral("gc_pid")) != u"0")
        tvClass->startRename();
}

void TF_SpxxglEdit::N_DeleteClick()
{
    const int id = tvClass->currentId();
    if (id < 0)
        return;
    const QString code = tvClass->currentCode();
    if (!selectValue(QStringLiteral("select g_sn from jxc_goods where gc_sn like ? limit 1"),
                     {{QString(), code + u'%'}})
             .isEmpty()) {
        msgInfo(QStringLiteral("该类别下有商品信息，不能删除！"), this);
        return;
    }
    if (tvClass->currentField(QStringLiteral("gc_pid")) == u"0")
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除当前类别吗?"), this))
        return;
    // The category and every category below it, by their parent links.
    NamedQuery* classes = DataModule->Q_GoodsClass;
    QSet<int> branch{id};
    for (bool grown = true; grown;) {
        grown = false;
        for (int r = 0; r < classes->rowCount(); ++r) {
            const int cid = classes->value(r, QStringLiteral("gc_cid")).toInt();
            if (!branch.contains(cid) && branch.contains(classes->value(r, QStringLiteral("gc_pid")).toInt())) {
                branch.insert(cid);
                grown = true;
            }
        }
    }
    {
        Transaction tx;
        for (int cid : std::as_const(branch))
            execSql(QStringLiteral("delete from jxc_goodsclass where gc_cid=?"), {{QString(), cid}});
        tx.commit();
    }
    const int parent = tvClass->currentField(QStringLiteral("gc_pid")).toInt();
    openQuery(classes, kClassSql);
    tvClass->selectById(parent);
    openQuery(DataModule->ADOQueryGoodsClass2, DataModule->ADOQueryGoodsClass2->designSql());
    if (branch.contains(m_gcCid.toInt())) {
        tgc_name->clear();
        m_gcCid.clear();
        m_gcSn.clear();
    }
}

GoodsFields TF_SpxxglEdit::fields() const
{
    GoodsFields f;
    if (!tgc_name->text().trimmed().isEmpty()) {
        f.gcCid = m_gcCid;
        f.gcSn = m_gcSn;
    }
    f.sn = tg_sn->text();
    f.name = tg_name->text();
    f.barcode = tg_sptm->text();
    f.tmType = ComTmtype->currentIndex() + 1;
    f.unit = ComDw->currentText() == newUnitText() ? QString() : ComDw->currentText();
    f.style = tgg_name->text();
    f.colorGroupName = ComColorz->currentText();
    f.colorGroupCode = ComColorz->currentCodeOrEmpty();
    f.sizeGroupName = ComCmz->currentText();
    f.sizeGroupCode = ComCmz->currentCodeOrEmpty();
    f.brand = ComPpcs->currentText();
    f.purchasePrice = Money::fromText(g_jj->text().trimmed());
    f.salePrice = Money::fromText(g_sj->text().trimmed());
    f.minStock = tg_zdkc->text().trimmed().toInt();
    f.note = tg_bz->text();
    return f;
}

void TF_SpxxglNew::resetFields()
{
    for (QLineEdit* e : {tg_sn, tg_name, tg_sptm, tgg_name, tg_bz, tpic})
        e->clear();
    for (QLineEdit* e : {tg_zdkc, g_jj, g_sj})
        e->setText(QStringLiteral("0"));
    ComTmtype->setCurrentIndex(0);
    fillLists();
}

bool TF_SpxxglNew::startNewGoods()
{
    m_clickedCid.clear();
    showClassPanel(false);
    callerFlag = m_callerWord;
    openClassTree();
    if (DataModule->Q_GoodsClass->isEmpty()) {
        msgInfo(QStringLiteral("请添加商品类别！"), this);
        return false;
    }
    execSql(QStringLiteral("delete from jxc_goodstmp"));
    // The category of the last opening stays chosen while it exists.
    if (!m_gcCid.isEmpty()
        && selectValue(QStringLiteral("select id from jxc_goodsclass where gc_cid=? and gc_sn=?"),
                       {{QString(), m_gcCid}, {QString(), m_gcSn}})
               .isEmpty()) {
        tgc_name->clear();
        m_gcCid.clear();
        m_gcSn.clear();
    }
    resetFields();
    return true;
}

void TF_SpxxglNew::categoryConfirmed()
{
    if (settingOn(csSpbh))
        tg_sn->setText(getMaxGoodsSn(m_gcCid.toInt()));
}

void TF_SpxxglNew::btnPriceClick()
{
    if (tg_sn->text().trimmed().isEmpty()) {
        msgInfo(QStringLiteral("商品编号必须填写！"), this);
        return;
    }
    openPrices();
}
