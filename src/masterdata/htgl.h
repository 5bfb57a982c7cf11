// "合同管理": the contract browser. It walks from the two partner kinds to the partners with
// their contract counts to one partner's contracts (or the contracts found by name), opens a
// contract's kept file, and adds, changes and deletes contracts and partners.
#pragma once

#include "platform/form.h"

class IconListView;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class TF_Htgl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Htgl(QWidget* parent = nullptr);

    QToolButton* btnAdd = nullptr;
    QToolButton* btnModi = nullptr;
    QToolButton* btnDel = nullptr;
    QToolButton* btnFind = nullptr;
    QToolButton* btnBack = nullptr;
    QToolButton* btnExit = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblCaption = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblUser = nullptr;
    IconListView* ListStyles = nullptr;  // the items in the style chosen under "查看(W)"
    QTreeWidget* ListView1 = nullptr;    // the items, and their details style
    QMenu* PopupMenu1 = nullptr;
    QWidget* pnlFind = nullptr;
    QLineEdit* tFindKey = nullptr;
    QComboBox* comRange = nullptr;
    QPushButton* btnStartFind = nullptr;
    QPushButton* btnCloseFind = nullptr;

    // The level shown: "0", "gs"/"kh", "gs"/"kh" + partner code, "gsall"/"khall".
    QString level() const { return m_level; }

    void ListView1Click(QTreeWidgetItem* item);
    void ListView1DblClick(QTreeWidgetItem* item);
    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnFindClick();
    void btnBackClick();
    void btnStartFindClick();

protected:
    void FormActivate() override;

private:
    void showLevel(const QString& level, const QString& title);
    void reload();
    QString m_level = QStringLiteral("0");
};

extern TF_Htgl* F_Htgl;
