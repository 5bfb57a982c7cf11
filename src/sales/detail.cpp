#include "sales/detail.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Detail* F_Detail = nullptr;

namespace {

// The size-colour tables of the document kinds whose lines the viewer shows.
const char* const kLineRowTables[] = {"jxc_lsxsspmx", "jxc_xsthspmx", "jxc_jhspmx",
                                      "jxc_thspmx",   "jxc_jhglmx",   "jxc_dbspmx"};

bool knownTable(const QString& table)
{
    for (const char* t : kLineRowTables)
        if (table == QLatin1String(t))
            return true;
    return false;
}

// The rows of one stored line, found by the line's id alone; read-only.
class StoredLineRows : public SizeColorStore {
public:
    StoredLineRows(const QString& table, qint64 lineId) : m_table(table), m_lineId(lineId) {}
    QVector<SizeColorQuantity> load() override
    {
        const ResultSet rs =
            openSelect(QStringLiteral("select cm_sn,color_sn,t_sl from %1 where tid=? order by id").arg(m_table),
                       {{QString(), m_lineId}});
        QVector<SizeColorQuantity> out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out.append({rs.text(r, 0), rs.text(r, 1), rs.text(r, 2)});
        return out;
    }
    void save(const QVector<SizeColorQuantity>&) override {}

private:
    QString m_table;
    qint64 m_lineId;
};

}  // namespace

TF_Detail::TF_Detail(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Detail"));
    setWindowTitle(QStringLiteral("详细数据"));
    setEscCloses(true);
    resize(640, 420);

    auto* info = new QGroupBox(QStringLiteral("商品信息"), this);
    auto* form = new QGridLayout(info);
    auto field = [&](const char* name, const QString& caption, int row, int col) {
        auto* l = new QLabel(info);
        l->setObjectName(QString::fromLatin1(name));
        form->addWidget(new QLabel(caption, info), row, col);
        form->addWidget(l, row, col + 1);
        return l;
    };
    gsn = field("gsn", QStringLiteral("商品编号："), 0, 0);
    gname = field("gname", QStringLiteral("商品名称："), 0, 2);
    dwname = field("dwname", QStringLiteral("单        位："), 1, 0);
    ggname = field("ggname", QStringLiteral("款型说明："), 1, 2);
    gkc = field("gkc", QStringLiteral("当前库存："), 2, 0);
    gsccs = field("gsccs", QStringLiteral("品牌厂商："), 2, 2);

    StringGridIn = new SizeColorGrid(SizeColorGrid::Kind::Stock, this);
    StringGridIn->setObjectName(QStringLiteral("StringGridIn"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnExit, [this] { reject(); });

    auto* col = new QVBoxLayout(this);
    col->addWidget(info);
    col->addWidget(new QLabel(QStringLiteral("详细数量"), this));
    col->addWidget(StringGridIn, 1);
    col->addLayout(buttonRow({btnExit}));
}

void TF_Detail::FormActivate()
{
    const ResultSet g = openSelect(QStringLiteral("select * from jxc_goods where g_sn=?"), {{QString(), curGoodsSn}});
    gsn->setText(g.text(0, QStringLiteral("g_sn")));
    gname->setText(g.text(0, QStringLiteral("g_name")));
    dwname->setText(g.text(0, QStringLiteral("dw_name")));
    ggname->setText(g.text(0, QStringLiteral("gg_name")));
    gkc->setText(g.text(0, QStringLiteral("g_kc")));
    gsccs->setText(g.text(0, QStringLiteral("g_sccs")));

    // Only the sizes and colours the line has; a line without rows shows the headings and totals.
    const QString table = detailTable;
    const qint64 lineId = paramValue.toLongLong();
    if (!knownTable(table)) {
        StringGridIn->setAxes({});
        return;
    }
    StringGridIn->setAxes(SizeColorAxes::ofLineRows(table, lineId));
    StoredLineRows rows(table, lineId);
    StringGridIn->load(rows);
}
