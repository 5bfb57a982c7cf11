#include "masterdata/spxxgl_modi.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "masterdata/spxxgl_pic.h"
#include "platform/codecombo.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>

TF_Spxxgl_Modi* F_Spxxgl_Modi = nullptr;

TF_Spxxgl_Modi::TF_Spxxgl_Modi(QWidget* parent)
    : TF_SpxxglEdit(QStringLiteral("F_Spxxgl_Modi"), QStringLiteral("修改商品"), QStringLiteral("spxxgl_modi"),
                    parent)
{
    // Stock, bills, barcodes, named prices and the photo all carry the code: it is shown only.
    tg_sn->setReadOnly(true);
}

void TF_Spxxgl_Modi::FormActivate()
{
    callerFlag = m_callerWord;
    showClassPanel(false);
    fillLists();
    openClassTree();

    const NamedQuery* goods = DataModule->Q_Goods;
    auto field = [goods](const char* name) { return goods->fieldByName(QString::fromLatin1(name)); };
    m_id = field("id");
    m_gcCid = field("gc_cid");
    m_gcSn = field("gc_sn");
    m_clickedCid = m_gcCid;
    tg_sn->setText(field("g_sn"));
    tgc_name->setText(field("gc_name"));
    tg_name->setText(field("g_name"));
    tg_sptm->setText(field("g_sptm"));
    tgg_name->setText(field("gg_name"));
    tg_zdkc->setText(field("g_zdkc"));
    g_jj->setText(field("g_jj"));
    g_sj->setText(field("g_sj"));
    tg_bz->setText(field("g_bz"));
    ComDw->setCurrentIndex(ComDw->findText(field("dw_name"), Qt::MatchFixedString | Qt::MatchCaseSensitive));
    ComPpcs->setCurrentIndex(ComPpcs->findText(field("g_sccs"), Qt::MatchFixedString | Qt::MatchCaseSensitive));
    // The groups by their codes, so that a group given a new name still opens chosen.
    ComColorz->setCurrentIndex(ComColorz->indexOfCode(field("colorz_sn")));
    ComCmz->setCurrentIndex(ComCmz->indexOfCode(field("cmz_sn")));
    const QString tmType = field("g_tmtype");
    ComTmtype->setCurrentIndex(tmType == u"1" ? 0 : tmType == u"2" ? 1 : -1);
    const QString photo = goodsPhotoPath(field("g_sn"));
    tpic->setText(!field("g_sn").isEmpty() && QFile::exists(photo) ? photo : QString());
}

void TF_Spxxgl_Modi::FormClose()
{
    closeClassQueries();
}

void TF_Spxxgl_Modi::btnSaveClick()
{
    const GoodsSaveResult saved = modifyGoods(m_id.toLongLong(), fields());
    if (!saved.ok()) {
        msgInfo(saved.refusal, this);
        return;
    }
    reloadGoodsList();
    accept();
}
