#include "stock/kcpd_tb.h"

#include "data/database.h"
#include "data/datamodule.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "stock/kcpdposting.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Kcpd_tb* F_Kcpd_tb = nullptr;

TF_Kcpd_tb::TF_Kcpd_tb(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kcpd_tb"));
    setWindowTitle(QStringLiteral("库存数据同步"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    auto* box = new QGroupBox(QStringLiteral("库存数据同步说明"), this);
    auto* text = new QLabel(QStringLiteral("一般情况下不需要进行库存数据同步。\n"
                                           "当库存查询中各仓库的库存数量正确，而商品信息表中的库存数量不正确时，"
                                           "可以通过库存数据同步，以各仓库的库存数量为准修正商品的库存数量。"),
                            box);
    text->setWordWrap(true);
    (new QVBoxLayout(box))->addWidget(text);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
    auto* main = new QVBoxLayout(this);
    main->addWidget(box);
    main->addLayout(buttonRow({btnOK, btnExit}));
}

void TF_Kcpd_tb::btnOKClick()
{
    if (!msgYesNo(QStringLiteral("库存数据同步将修改商品信息表的库存，\r\n\r\n并且不可恢复。现在是否同步？"), this)) {
        close();
        return;
    }
    if (msgYesNo(QStringLiteral("数据同步之前建议先备份数据库，现在是否备份数据库？"), this)) {
        const QString path = syncBackupPath();
        mainDb().backupTo(path);  // a failed copy stops here: nothing is synchronised
        msgInfo(QStringLiteral("备份成功！备份文件保存在") + path, this);
    }
    synchronizeStock();
    msgInfo(QStringLiteral("同步完成！"), this);
    close();
}
