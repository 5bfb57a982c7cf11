// "单据备注信息设置": the preset bill remarks and the history of receipt notes. "确定" writes
// the chosen remark into the note box of the bill window that `callerFlag` names.
#pragma once

#include "platform/callerwords.h"
#include "platform/form.h"

#include <QString>
#include <functional>

class DataGrid;
class QPushButton;
class QTabWidget;

// Writes the chosen remark into the caller's note box, replacing what it held.
using NoteTarget = std::function<void(const QString& remark)>;
// The words of the bill windows: "jh", "th", "xs", "xshh".
CallerWords<NoteTarget>& remarkCallers();

class TF_Djbz : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Djbz(QWidget* parent = nullptr);

    QTabWidget* RzPageControl1 = nullptr;
    DataGrid* DBGrid1 = nullptr;  // the preset remarks
    DataGrid* DBGrid2 = nullptr;  // the receipt notes
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnOKClick();

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Djbz* F_Djbz;
