#include "members/hygl_print.h"

#include "data/database.h"
#include "platform/report.h"
#include "platform/reportlist.h"

ReportTemplate hyxxLayout()
{
    const auto right = [](const char* caption, const char* field, double width) {
        return ReportListColumn(QString::fromUtf8(caption), QString::fromLatin1(field), width, ReportHAlign::Right);
    };
    ReportListSpec spec;
    spec.title = QStringLiteral("会员信息");
    spec.landscape = true;
    spec.headerLines = {QStringLiteral("打印日期：[DATE]")};
    spec.columns = {{QStringLiteral("会员编号"), QStringLiteral("hy_bh"), 24},
                    {QStringLiteral("会员名称"), QStringLiteral("hy_name"), 24},
                    {QStringLiteral("会员级别"), QStringLiteral("hl_name"), 20},
                    right("卡内余额", "hy_zhje", 20),
                    right("会员积分", "hy_jf", 18),
                    right("总消费额", "hy_zje", 20),
                    right("剩余次数", "hy_cs", 16),
                    {QStringLiteral("优惠方式"), QStringLiteral("hh_name"), 20},
                    {QStringLiteral("性别"), QStringLiteral("hy_sex"), 10},
                    {QStringLiteral("移动电话"), QStringLiteral("hy_mobile"), 26},
                    {QStringLiteral("固定电话"), QStringLiteral("hy_tele"), 26},
                    {QStringLiteral("加入日期"), QStringLiteral("hy_jrrq"), 22},
                    {QStringLiteral("备注"), QStringLiteral("hy_note"), 30}};
    spec.summaryLines = {QStringLiteral("会员数量：[COUNT(<frxDBDataset1>)]"),
                         QStringLiteral("会员消费总金额：[SUM(<frxDBDataset1.\"hy_zje\">)]")};
    return reportListLayout(spec);
}

void previewMemberList(const ResultSet& members, QWidget* parent)
{
    Report rpt;
    rpt.loadTemplate(QStringLiteral("hyxx.fr3"));
    rpt.setDataset(QStringLiteral("frxDBDataset1"), members);
    rpt.preview(parent);
}
