#include "admin/xtwh.h"

#include "admin/adminrecords.h"
#include "data/datamodule.h"
#include "data/settings.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportdesigner.h"
#include "shell/commands.h"

#include <QGridLayout>
#include <QMenu>
#include <QRegularExpression>
#include <QPushButton>
#include <QToolButton>

TF_Xtwh* F_Xtwh = nullptr;
TF_Bbsj* F_Bbsj = nullptr;

bool passGate(const QString& column, int position, const QString& refusalName, QWidget* parent)
{
    if (column.isEmpty()) {
        if (isAdministratorRole())
            return true;
        msgInfo(QStringLiteral("只有系统管理员才能使用此功能！"), parent);
        return false;
    }
    if (checkRight(column, position))
        return true;
    msgInfo(refusalText(refusalName), parent);
    return false;
}

namespace {

struct MaintenanceCommand {
    const char* button;
    const char* caption;
    const char* column;  // "" for the administrator role, nullptr for no gate
    int position;
    const char* refusal;
    const char* window;
};

// In the panel's order; the two branch commands sit in the menu of "分店管理".
const MaintenanceCommand kCommands[] = {
    {"btnBackup", "备份/恢复数据", "qtcz", 10, "备份/恢复数据库", "TF_Backup"},
    {"btnSjql", "软件数据清理", "", 0, "", "TF_Sjql"},
    {"btnPwd", "修改密码", nullptr, 0, "", "TF_PwdModi"},
    {"btnBbsj", "报表设计", "qtcz", 15, "报表设计", "TF_Bbsj"},
    {"btnLog", "查看日志", "qtcz", 11, "查看日志", "TF_ViewLog"},
    {"btnNzjs", "年终结算", "", 0, "", "TF_Nzjs"},
    {"btnQcjz", "期初建账", "qtcz", 13, "期初建账", "TF_Qcjz"},
    {"btnTmdy", "条码打印", "qtcz", 14, "条码打印", "TF_Tmdy"},
    {"N1", "分店名设置(&Y)", "", 0, "", "TF_Fdsz"},
    {"N2", "本店数据导出(&Z)", "", 0, "", "TF_FdExport"},
    {"btnSkin", "更换皮肤", nullptr, 0, "", "TF_Skin"},
    {"btnRole", "角色管理", "", 0, "", "TF_Role"},
};

void runMaintenance(const MaintenanceCommand& c, QWidget* parent)
{
    if (c.column && !passGate(QString::fromLatin1(c.column), c.position, QString::fromUtf8(c.refusal), parent))
        return;
    QString name = QString::fromUtf8(c.caption);
    name.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    openWindow(QString::fromLatin1(c.window), QString(), name);
}

// The print templates the launcher offers: button, caption, file.
struct TemplateButton {
    const char* button;
    const char* caption;
    const char* file;
};
const TemplateButton kTemplates[] = {
    {"btnCgjh", "采购进货单", "cgjh.fr3"},       {"btnCgth", "采购退货单", "cgth.fr3"},
    {"btnGhsfk", "供货商付款单", "ghsfukuan.fr3"}, {"btnSpxs", "销售单", "spxs.fr3"},
    {"btnXsth", "销售退货单", "xsth.fr3"},       {"btnKhsk", "客户付款单", "khsk.fr3"},
    {"btnKcdb", "库存调拨单", "kcdbd.fr3"},      {"btnKhjh", "客户借货单", "khjh.fr3"},
    {"btnCfd", "商品拆分单", "cfd.fr3"},         {"btnKbd", "商品捆绑单", "kbd.fr3"},
    {"btnBs", "商品报损单", "bsby.fr3"},         {"btnBy", "商品报溢单", "bsby.fr3"},
    {"btnPosxp", "POS小票", "posxp.fr3"},        {"btnKcspmxb", "库存商品明细表", "kcspmxb.fr3"},
};

}  // namespace

TF_Xtwh::TF_Xtwh(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Xtwh"));
    setWindowTitle(QStringLiteral("系统维护"));
    auto* grid = new QGridLayout(this);
    btnFd = new QToolButton(this);
    btnFd->setObjectName(QStringLiteral("btnFd"));
    btnFd->setText(QStringLiteral("分店管理"));
    btnFd->setPopupMode(QToolButton::InstantPopup);
    btnFd->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnFd->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* menu = new QMenu(btnFd);
    btnFd->setMenu(menu);
    int cell = 0;
    for (const MaintenanceCommand& c : kCommands) {
        if (QByteArray(c.button).startsWith('N')) {
            QAction* a = menu->addAction(QString::fromUtf8(c.caption));
            a->setObjectName(QString::fromLatin1(c.button));
            connect(a, &QAction::triggered, this, [this, &c] { runGuarded([this, &c] { runMaintenance(c, this); }); });
            if (a == menu->actions().constFirst()) {
                grid->addWidget(btnFd, cell / 3, cell % 3);
                ++cell;
            }
            continue;
        }
        QPushButton* b = namedButton(this, c.button, QString::fromUtf8(c.caption));
        b->setMinimumSize(120, 48);
        onClicked(b, [this, &c] { runMaintenance(c, this); });
        grid->addWidget(b, cell / 3, cell % 3);
        ++cell;
    }
}

TF_Bbsj::TF_Bbsj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Bbsj"));
    setWindowTitle(QStringLiteral("报表设计"));
    auto* grid = new QGridLayout(this);
    int cell = 0;
    for (const TemplateButton& t : kTemplates) {
        QPushButton* b = namedButton(this, t.button, QString::fromUtf8(t.caption));
        b->setMinimumSize(120, 40);
        const QString file = QString::fromLatin1(t.file);
        onClicked(b, [this, file] { designTemplate(file); });
        grid->addWidget(b, cell / 3, cell % 3);
        ++cell;
    }
}

void TF_Bbsj::designTemplate(const QString& fileName)
{
    // The shared print query's fields, as the designer's "frxDBDataset1".
    const ResultSet rs = openSelect(QStringLiteral("select * from (") + DataModule->Q_GoodsPrin->sql() + QStringLiteral(") where 1>2"));
    QStringList fields;
    for (int c = 0; c < rs.columnCount(); ++c)
        fields << rs.columnName(c);
    designReport(Report::templatePath(fileName), this, {{QStringLiteral("frxDBDataset1"), fields}});
}
