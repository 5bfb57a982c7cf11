#include "accounts/wlzwghs_dele.h"

#include "accounts/billdelete.h"
#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/tips.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

TF_WlzwGhs_Dele* F_WlzwGhs_Dele = nullptr;
TF_Wlzwkh_Dele* F_Wlzwkh_Dele = nullptr;

namespace {

constexpr int kReasonLength = 200;

QLabel* namedLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

}  // namespace

TF_WlzwGhs_Dele::TF_WlzwGhs_Dele(bool supplier, QWidget* parent) : TF_Form(parent), m_supplier(supplier)
{
    setObjectName(supplier ? QStringLiteral("TF_WlzwGhs_Dele") : QStringLiteral("TF_Wlzwkh_Dele"));
    setWindowTitle(QStringLiteral("删除原因"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    lTitle = namedLabel(this, "lTitle");
    ldjh = namedLabel(this, "ldjh");
    lghs = namedLabel(this, "lghs");
    lyfje = namedLabel(this, "lyfje");
    lsfje = namedLabel(this, "lsfje");
    lsm = namedLabel(this, "lsm");
    lsm->setWordWrap(true);
    tnote = new QPlainTextEdit(this);
    tnote->setObjectName(QStringLiteral("tnote"));
    connect(tnote, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = tnote->toPlainText();
        if (text.size() > kReasonLength) {
            tnote->setPlainText(text.left(kReasonLength));
            tnote->moveCursor(QTextCursor::End);
        }
    });
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { btnCancelClick(); });

    auto* title = new QHBoxLayout;
    title->addWidget(lTitle);
    title->addWidget(ldjh);
    title->addStretch();
    auto* form = new QFormLayout;
    form->addRow(supplier ? QStringLiteral("供货商名称：") : QStringLiteral("客户名称："), lghs);
    form->addRow(supplier ? QStringLiteral("应付金额：") : QStringLiteral("应收金额："), lyfje);
    form->addRow(supplier ? QStringLiteral("实付金额：") : QStringLiteral("实收金额："), lsfje);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(title);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("请在下面输入删除原因（原因将存入系统日志）："), this));
    layout->addWidget(tnote);
    layout->addWidget(lsm);
    layout->addLayout(buttonRow({btnOK, btnCancel}));
    setFixedSize(420, 340);
}

void TF_WlzwGhs_Dele::setRow(const BillDeleteRow& row)
{
    ldjh->setText(row.djh);
    lghs->setText(row.partnerName);
    lyfje->setText(row.owed);
    lsfje->setText(row.paid);
    if (const std::optional<PostedKind> kind = postedKindOf(row.djh)) {
        const PostedKindTexts texts = postedKindTexts(*kind);
        lTitle->setText(texts.title);
        lsm->setText(texts.note);
    }
}

void TF_WlzwGhs_Dele::FormActivate()
{
    tnote->clear();
    tnote->setFocus();
}

bool TF_WlzwGhs_Dele::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5) {
        btnOKClick();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        btnCancelClick();
        return true;
    }
    return false;
}

void TF_WlzwGhs_Dele::btnCancelClick() { reject(); }

void TF_WlzwGhs_Dele::btnOKClick()
{
    const std::optional<PostedKind> kind = postedKindOf(ldjh->text());
    if (!kind)
        return;
    const QString reason = tnote->toPlainText().trimmed();
    if (reason.isEmpty()) {
        msgInfo(QStringLiteral("删除原因不能为空！"), this);
        return;
    }
    // An error has been shown by the guard and rolled everything back; the dialog stays open.
    if (!runGuarded([&] { deletePostedBill(*kind, ldjh->text(), reason); }))
        return;
    if (afterDelete)
        runGuarded(afterDelete);
    showTips(QStringLiteral("信息删除成功！"));
    accept();
}

void showBillDeleteDialog(const BillDeleteRow& row, std::function<void()> refresh)
{
    const std::optional<PostedKind> kind = postedKindOf(row.djh);
    if (!kind)
        return;
    TF_WlzwGhs_Dele* dialog = nullptr;
    if (isSupplierKind(*kind)) {
        curGhsSn = row.partnerSn;
        dialog = ensureForm(F_WlzwGhs_Dele);
    } else {
        curKhSn = row.partnerSn;
        dialog = ensureForm(F_Wlzwkh_Dele);
    }
    dialog->setRow(row);
    dialog->afterDelete = std::move(refresh);
    dialog->showModalForm();
}
