#include "pos/poskey.h"

#include "data/summaries.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/winkeys.h"
#include "pos/posxs.h"
#include "pos/tilllines.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_PosKey* F_PosKey = nullptr;

TF_PosKey::TF_PosKey(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_PosKey"));
    setWindowTitle(QStringLiteral("快捷键设置"));
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("功能表："), this), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("快捷键："), this), 0, 1);
    for (int i = 0; i < tillFunctions().size(); ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("edtKey%1").arg(i));
        field->setReadOnly(true);
        fields << field;
        g->addWidget(new QLabel(tillFunctions().at(i) + QStringLiteral("："), this), i + 1, 0);
        g->addWidget(field, i + 1, 1);
    }
    btnStart = namedButton(this, "btnStart", QStringLiteral("单击该按钮开始设置快捷键"));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* box = new QVBoxLayout(this);
    box->addLayout(g);
    box->addWidget(new QLabel(QStringLiteral("快捷键不能设置成数字键或字母键，请选用各功能键！\n"
                                             "(默认F5为“付款”的快捷键，上下方向键为选择记录键！)"),
                              this));
    box->addWidget(btnStart);
    box->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnStart, [this] {
        for (QLineEdit* f : std::as_const(fields))
            f->setEnabled(true);
        fields.first()->setFocus();
    });
    onClicked(btnOK, [this] {
        if (F_Posxs)
            F_Posxs->refreshKeyHelp();
        accept();
    });
    onClicked(btnExit, [this] { reject(); });
}

void TF_PosKey::FormActivate()
{
    for (int i = 0; i < fields.size(); ++i) {
        fields.at(i)->setText(getGnKey(tillFunctions().at(i)));
        fields.at(i)->setEnabled(false);
    }
}

bool TF_PosKey::FormKeyDown(QKeyEvent* event)
{
    const int i = fields.indexOf(qobject_cast<QLineEdit*>(focusWidget()));
    if (i < 0 || !fields.at(i)->isEnabled())
        return false;
    // Up and down move between the fields; every other key is a candidate.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down || event->key() == Qt::Key_Tab
        || event->key() == Qt::Key_Backtab)
        return false;
    saveValue(fields.at(i), tillFunctions().at(i), winKeyCode(event));
    return true;
}

void TF_PosKey::saveValue(QLineEdit* field, const QString& function, int code)
{
    if (code == 0)
        return;
    bool stored = false;
    const QString refusal = setFunctionKey(function, code, &stored);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (stored)
        field->setText(getKeyName(code));
}
