#include "data/settings.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"

#include <algorithm>

QString supportUrl;

QString companyName;
QString companyTele;
QString companyAddress;
QString companyShortName;

QString csCgdj;
QString csXsdj;
QString csXgdj;
QString csKc;
QString csYsdh;
QString csSpbh;
QString csCt;
QString csXt;
QString csShdj;
QString csXjyh;
QString csCbjs;
QString csPosdj;
QString csDjzddy;
QString csDjzddysl;
QString csTmzdsc;
QString csTmscff;
QString csTjcyjf;
QString csPosfkws;
QString csPoshooktoday;
QString csBarcode;
QString csBarunique;
QString csZerocost;
QString csPosrq;

int backSj = 0;
QString backAuto;
QString backExit;

QString jfJfgz;
QString jfMfje;
QString jfDjjf;
QString jfJsrjf;
QString jfJsrjl;
QString jfDbjf;
QString jfDbrq1;
QString jfDbrq2;
QString jfYelj;
QString jfHysk;
QString jfQchy;
QString jfXgxf;
QString jfIck;
QString jfIcktype;

namespace {

struct Setting {
    const char* column;
    QString* global;
};

const Setting kCompany[] = {
    {"c_name", &companyName}, {"c_tele", &companyTele}, {"c_address", &companyAddress}, {"c_jc", &companyShortName},
};

const Setting kXtcs[] = {
    {"cs_cgdj", &csCgdj},       {"cs_xsdj", &csXsdj},         {"cs_xgdj", &csXgdj},
    {"cs_kc", &csKc},           {"cs_ysdh", &csYsdh},         {"cs_spbh", &csSpbh},
    {"cs_ct", &csCt},           {"cs_xt", &csXt},             {"cs_shdj", &csShdj},
    {"cs_xjyh", &csXjyh},       {"cs_cbjs", &csCbjs},         {"cs_posdj", &csPosdj},
    {"cs_djzddy", &csDjzddy},   {"cs_djzddysl", &csDjzddysl}, {"cs_tmzdsc", &csTmzdsc},
    {"cs_tmscff", &csTmscff},   {"cs_tjcyjf", &csTjcyjf},     {"cs_posfkws", &csPosfkws},
    {"cs_poshooktoday", &csPoshooktoday}, {"cs_barcode", &csBarcode}, {"cs_barunique", &csBarunique},
    {"cs_zerocost", &csZerocost}, {"cs_posrq", &csPosrq},
};

const Setting kJfsz[] = {
    {"jf_jfgz", &jfJfgz}, {"jf_mfje", &jfMfje}, {"jf_djjf", &jfDjjf},   {"jf_jsrjf", &jfJsrjf},
    {"jf_jsrjl", &jfJsrjl}, {"jf_dbjf", &jfDbjf}, {"jf_dbrq1", &jfDbrq1}, {"jf_dbrq2", &jfDbrq2},
    {"jf_yelj", &jfYelj}, {"jf_hysk", &jfHysk}, {"jf_qchy", &jfQchy},   {"jf_xgxf", &jfXgxf},
    {"jf_ick", &jfIck},   {"jf_icktype", &jfIcktype},
};

// The first row of a table into its globals (an empty table gives empty texts).
template <size_t N>
void loadRow(const char* table, const Setting (&settings)[N])
{
    const ResultSet rs = openSelect(QStringLiteral("select * from %1 limit 1").arg(QLatin1String(table)));
    for (const Setting& s : settings)
        *s.global = rs.text(0, QLatin1String(s.column));
}

const QString kRightColumns[] = {
    QStringLiteral("cggl"), QStringLiteral("xsgl"), QStringLiteral("kcgl"), QStringLiteral("wlzk"),
    QStringLiteral("tjgl"), QStringLiteral("rcgl"), QStringLiteral("qtcz"),
};

QString onAsOne(const QString& v)
{
    return v == u"True" ? QStringLiteral("1") : v;
}

}  // namespace

void loadSysParams()
{
    supportUrl = QStringLiteral("https://support.jxc.example/");
    loadRow("jxc_company", kCompany);
    loadRow("jxc_xtcs", kXtcs);

    const ResultSet backup = openSelect(QStringLiteral("select * from jxc_backup limit 1"));
    backSj = backup.text(0, QStringLiteral("back_sj")).toInt();
    backAuto = onAsOne(backup.text(0, QStringLiteral("back_auto")));
    backExit = onAsOne(backup.text(0, QStringLiteral("back_exit")));

    loadRow("jxc_jfsz", kJfsz);
}

bool settingOn(const QString& value)
{
    return value != u"0" && value != u"False";
}

bool checkRight(const QString& column, int position)
{
    if (position < 1 || std::find(std::begin(kRightColumns), std::end(kRightColumns), column) == std::end(kRightColumns))
        return false;
    const QString rights = selectValue(QStringLiteral("select %1 from jxc_role where r_sn=?").arg(column), {{QString(), roleCode}});
    return position <= rights.size() && rights.at(position - 1) == u'1';
}

void writeLog(const QString& note)
{
    Transaction tx;
    appendRow(QStringLiteral("jxc_log"), {{QStringLiteral("log_time"), nowText()},
                                          {QStringLiteral("a_name"), operatorName},
                                          {QStringLiteral("log_note"), note}});
    tx.commit();
}

namespace {
TF_DataModule& module()
{
    if (!DataModule)
        throw DbError(QStringLiteral("数据模块尚未创建"));
    return *DataModule;
}
}  // namespace

void openGhsList()
{
    NamedQuery* q = module().Q_Ghsxx;
    openQuery(q, q->designSql());
}

void openKhList()
{
    NamedQuery* q = module().Q_Khxx;
    openQuery(q, q->designSql());
}
