#include "shell/mryt.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/msgbox.h"
#include "shell/icons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TF_Mryt* F_Mryt = nullptr;

TF_Mryt::TF_Mryt(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Mryt"));
    setWindowTitle(QStringLiteral("每日一贴"));
    auto* picture = new QLabel(this);
    picture->setPixmap(shellPicture(QStringLiteral("note"), 64, QColor(0xd0, 0x9a, 0x1f)));
    auto* title = new QLabel(QStringLiteral("您知道吗..."), this);
    QFont tf = title->font();
    tf.setPixelSize(18);
    tf.setBold(true);
    title->setFont(tf);
    lMsg = new QLabel(this);
    lMsg->setObjectName(QStringLiteral("lMsg"));
    lMsg->setWordWrap(true);
    lMsg->setFixedWidth(290);
    lMsg->setMinimumHeight(110);
    lMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkDisp = new QCheckBox(QStringLiteral("启动时显示"), this);
    chkDisp->setObjectName(QStringLiteral("chkDisp"));
    auto makeButton = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    btnPrev = makeButton("btnPrev", "上一贴");
    btnNext = makeButton("btnNext", "下一贴");
    btnExit = makeButton("btnExit", "退出");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 16, 18, 14);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1, 1, 3);
    grid->addWidget(lMsg, 1, 1, 1, 3);
    grid->addWidget(chkDisp, 2, 0, 1, 1);
    grid->addWidget(btnPrev, 2, 1);
    grid->addWidget(btnNext, 2, 2);
    grid->addWidget(btnExit, 2, 3);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnPrev, [this] { btnPrevClick(); });
    onClicked(btnNext, [this] { btnNextClick(); });
    connect(btnExit, &QPushButton::clicked, this, &QDialog::accept);
}

void TF_Mryt::FormActivate()
{
    m_id = QStringLiteral("0");
    lMsg->clear();
    chkDisp->setChecked(selectValue(QStringLiteral("select t_mryt from jxc_txdisp")) == QLatin1String("1"));
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_mryt order by mr_state,id limit 2"));
    if (rs.isEmpty())
        return;  // no tips: nothing to show
    const QString shown = rs.text(0, QStringLiteral("mr_rq"));
    if (shown.isEmpty() || shown == todayText()) {
        showTip(rs.text(0, QStringLiteral("id")), rs.text(0, QStringLiteral("mr_ts")));
    } else if (rs.rowCount() > 1) {
        showTip(rs.text(1, QStringLiteral("id")), rs.text(1, QStringLiteral("mr_ts")));
    } else {
        const ResultSet first = openSelect(QStringLiteral("select * from jxc_mryt order by id limit 1"));
        showTip(first.text(0, QStringLiteral("id")), first.text(0, QStringLiteral("mr_ts")));
    }
}

void TF_Mryt::showTip(const QString& id, const QString& text)
{
    Transaction t;
    execSql(QStringLiteral("update jxc_mryt set mr_state='0'"));
    execSql(QStringLiteral("update jxc_mryt set mr_state='1',mr_rq=:d where id=:id"),
            {{QStringLiteral(":d"), todayText()}, {QStringLiteral(":id"), id.toLongLong()}});
    execSql(QStringLiteral("update jxc_txdisp set t_mryt=:v"),
            {{QStringLiteral(":v"), chkDisp->isChecked() ? QStringLiteral("1") : QStringLiteral("0")}});
    t.commit();
    m_id = id;
    lMsg->setText(text);
}

void TF_Mryt::btnNextClick()
{
    const SqlParams id = {{QStringLiteral(":id"), m_id.toLongLong()}};
    ResultSet rs = openSelect(QStringLiteral("select * from jxc_mryt where id>:id order by id limit 1"), id);
    if (rs.isEmpty())
        rs = openSelect(QStringLiteral("select * from jxc_mryt order by id limit 1"));
    if (!rs.isEmpty())
        showTip(rs.text(0, QStringLiteral("id")), rs.text(0, QStringLiteral("mr_ts")));
}

void TF_Mryt::btnPrevClick()
{
    const SqlParams id = {{QStringLiteral(":id"), m_id.toLongLong()}};
    ResultSet rs = openSelect(QStringLiteral("select * from jxc_mryt where id<:id order by id desc limit 1"), id);
    if (rs.isEmpty())
        rs = openSelect(QStringLiteral("select * from jxc_mryt order by id desc limit 1"));
    if (!rs.isEmpty())
        showTip(rs.text(0, QStringLiteral("id")), rs.text(0, QStringLiteral("mr_ts")));
}

bool TF_Mryt::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        accept();
        return true;
    }
    return false;
}

void TF_Mryt::FormClose()
{
    runGuarded([this] { storeSwitch(); });
}

void TF_Mryt::storeSwitch()
{
    Transaction t;
    execSql(QStringLiteral("update jxc_txdisp set t_mryt=:v"),
            {{QStringLiteral(":v"), chkDisp->isChecked() ? QStringLiteral("1") : QStringLiteral("0")}});
    t.commit();
}
