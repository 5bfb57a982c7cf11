// "每日一贴": the tip of the day, shown after each login while it is switched on.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QLabel;
class QPushButton;

class TF_Mryt : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Mryt(QWidget* parent = nullptr);

    QLabel* lMsg = nullptr;
    QCheckBox* chkDisp = nullptr;
    QPushButton* btnPrev = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnExit = nullptr;

    // The id of the tip shown ("0" when there is none).
    QString currentId() const { return m_id; }
    void btnNextClick();
    void btnPrevClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    // Marks the tip as the one shown today, stores the switch, and shows it.
    void showTip(const QString& id, const QString& text);
    void storeSwitch();
    QString m_id = QStringLiteral("0");
};

extern TF_Mryt* F_Mryt;
