#include "admin/branch.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/xlswriter.h"

#include <QDir>
#include <QList>

QString saveBranch(const QString& code, const QString& name)
{
    if (code.trimmed().isEmpty())
        return QStringLiteral("分店编号不能为空，请重新输入！");
    if (name.trimmed().isEmpty())
        return QStringLiteral("分店名称不能为空，请重新输入！");
    const SqlParams p = {{QStringLiteral(":sn"), sqlSafe(code.trimmed())}, {QStringLiteral(":n"), sqlSafe(name.trimmed())}};
    Transaction tx;
    if (!selectValue(QStringLiteral("select fd_sn from jxc_fd")).isEmpty())
        execSql(QStringLiteral("update jxc_fd set fd_sn=:sn,fd_name=:n"), p);
    else
        execSql(QStringLiteral("insert into jxc_fd (fd_sn,fd_name,fd_dcrq) values (:sn,:n,'')"), p);
    tx.commit();
    return {};
}

QString exportBranch(const QString& folder, const QDate& from, const QDate& to, QString* file)
{
    if (folder.trimmed().isEmpty())
        return QStringLiteral("导出路径不能为空，请重新输入！");
    const SqlParams period = {{QStringLiteral(":f"), from.toString(QStringLiteral("yyyy-MM-dd"))},
                              {QStringLiteral(":t"), to.toString(QStringLiteral("yyyy-MM-dd"))}};
    const QList<ResultSet> sheets = {
        openSelect(QStringLiteral("select * from jxc_goods")),
        openSelect(QStringLiteral("select g_sn,kc_sl,kc_cbj from jxc_kcsp")),
        openSelect(QStringLiteral("select a.gl_djh,a.ls_dj,a.ls_sl,a.a_name,a.ls_zhje,b.ls_xsrq from jxc_lsxssp a,jxc_lsxsd b "
                                  "where a.gl_djh=b.gl_djh and b.ls_xsrq>=:f and b.ls_xsrq<=:t"),
                   period),
        openSelect(QStringLiteral("select a.gl_djh,a.th_dj,a.th_sl,a.a_name,a.th_zhje,b.th_xsrq from jxc_xsthsp a,jxc_xsthd b "
                                  "where a.gl_djh=b.gl_djh and b.th_xsrq>=:f and b.th_xsrq<=:t"),
                   period),
        openSelect(QStringLiteral("select fd_sn,fd_name from jxc_fd")),
    };
    for (const ResultSet& rs : sheets)
        if (rs.rowCount() + 1 > XlsSheet::MaxRows - 1)
            return QStringLiteral("导出的数据超过了Excel工作表的行数，不能导出！");
    // The name joins the folder with a separator.
    QString dir = QDir::fromNativeSeparators(folder.trimmed());
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    const QString path = dir + QLatin1Char('/') + QStringLiteral("系统数据库")
        + Clock::now().toString(QStringLiteral("yy_MM_dd_hh_mm_ss")) + QStringLiteral(".xls");
    XlsWorkbook book;
    for (int s = 0; s < sheets.size(); ++s) {
        const ResultSet& rs = sheets[s];
        XlsSheet& sheet = book.addSheet(QString::number(s + 1));
        for (int c = 0; c < rs.columnCount(); ++c) {
            sheet.setText(0, c, rs.columnName(c));
            const bool number = rs.columns().at(c).kind != ColumnKind::Text;
            for (int r = 0; r < rs.rowCount(); ++r) {
                const QString v = rs.text(r, c);
                bool ok = false;
                const double d = number ? v.toDouble(&ok) : 0;
                if (ok)
                    sheet.setNumber(r + 1, c, d);
                else
                    sheet.setText(r + 1, c, v);
            }
        }
    }
    try {
        book.save(path);
    } catch (const std::exception& e) {
        return QStringLiteral("导出失败：") + QString::fromUtf8(e.what());
    }
    Transaction tx;
    execSql(QStringLiteral("update jxc_fd set fd_dcrq=:d"),
            {{QStringLiteral(":d"), Clock::today().toString(QStringLiteral("yyyy-MM-dd"))}});
    tx.commit();
    if (file)
        *file = path;
    return {};
}
