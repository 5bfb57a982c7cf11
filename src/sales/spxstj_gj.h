// "高级查询": the region and partner type of the sales statistics' supplier and customer tabs.
// Both boxes start at their "all" item each time the dialog opens; "确定(F5)" and "退出(Esc)"
// both just close it, and the window then takes the boxes as they stand.
#pragma once

#include "platform/form.h"

class QComboBox;

class SpxstjGjDialog : public TF_Form {
    Q_OBJECT
public:
    // "", "" for the "all" items.
    QString zone() const;
    QString type() const;

    QComboBox* comZone = nullptr;
    QComboBox* comType = nullptr;

protected:
    SpxstjGjDialog(const QString& objectName, const QString& typeCaption, const QString& typeTable,
                   const QString& typeColumn, QWidget* parent);
    void FormActivate() override;

private:
    QString m_typeTable;
    QString m_typeColumn;
};

class TF_Spxstj_Ghs : public SpxstjGjDialog {
    Q_OBJECT
public:
    explicit TF_Spxstj_Ghs(QWidget* parent = nullptr);
};

class TF_Spxstj_Kh : public SpxstjGjDialog {
    Q_OBJECT
public:
    explicit TF_Spxstj_Kh(QWidget* parent = nullptr);
};

extern TF_Spxstj_Ghs* F_Spxstj_Ghs;
extern TF_Spxstj_Kh* F_Spxstj_Kh;
