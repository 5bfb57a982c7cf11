// "基本资料设置": the window that keeps supplier types, customer types or zones and serves as
// their picker. Leaving it by "退出" answers the partner dialog named by the caller word: its
// combo is refilled and set to the focused entry. Esc answers nothing.
#pragma once

#include "masterdata/partnertypes.h"
#include "masterdata/pickers.h"
#include "platform/form.h"

class DataGrid;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class RefListForm : public TF_Form {
    Q_OBJECT
public:
    const RefListSide& side() const { return m_side; }

    QTabWidget* PageControl1 = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnExit = nullptr;
    QWidget* Panel1 = nullptr;  // the edit panel
    QLineEdit* tname = nullptr;
    QCheckBox* chkDefault = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnBack = nullptr;  // the panel's "退出"

    // The edit mode word: "Add" or "Modi" ("" before the first edit).
    QString modeWord() const { return m_mode; }
    bool isEditing() const;

    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnOKClick();
    void btnBackClick();
    // Answers the caller and closes.
    void btnExitClick();

protected:
    RefListForm(RefListKind kind, CallerWords<ComboTarget>& callers, QWidget* parent);
    void FormActivate() override;
    void FormClose() override;

private:
    void setEditing(bool editing);

    const RefListSide& m_side;
    CallerWords<ComboTarget>& m_callers;
    QString m_mode;
    qint64 m_editId = 0;
};
