// "增加角色": a role's name and its rights tree. The modify dialog shares its layout.
#pragma once

#include "platform/form.h"

#include <QStringList>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct RoleInput;

class TF_Role_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Role_Add(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QTreeWidget* chkTree = nullptr;
    QCheckBox* chkSele = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // Rebuilds the tree: the seven groups with their rights, ticked by `rights` (one string per
    // group; none ticked when empty).
    void setChkTree(const QStringList& rights = {});
    // One string per group, "1" for each ticked right and "0" otherwise, at the group's length.
    QStringList rightsStrings() const;

    virtual void btnOKClick();

protected:
    void FormActivate() override;
    RoleInput input() const;
};

extern TF_Role_Add* F_Role_Add;
