// "使用向导": leads a new user through putting the system to use, in five steps.
#pragma once

#include "platform/form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

class TF_Guide : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Guide(QWidget* parent = nullptr);

    QStackedWidget* pnlSteps = nullptr;
    QFrame* RzPanel1 = nullptr;
    QFrame* RzPanel2 = nullptr;
    QFrame* RzPanel3 = nullptr;
    QFrame* RzPanel4 = nullptr;
    QFrame* RzPanel5 = nullptr;
    QRadioButton* rData = nullptr;
    QRadioButton* rUse = nullptr;
    QPushButton* btnOK1 = nullptr;
    QLineEdit* tname = nullptr;
    QLineEdit* tjc = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QLabel* btnUrl = nullptr;
    QRadioButton* rClear1 = nullptr;
    QRadioButton* rClear2 = nullptr;
    QRadioButton* rClear3 = nullptr;
    QRadioButton* rClear4 = nullptr;
    QRadioButton* rSele51 = nullptr;
    QRadioButton* rSele52 = nullptr;

    // The step shown, 1 to 5.
    int step() const;
    void showStep(int step);

    void btnOK1Click();
    void btnNext2Click();
    void btnNext3Click();
    void btnNext4Click();
    void btnFinishClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    QFrame* makePanel(int step, const QString& note, QWidget* content);
    QPushButton* button(QFrame* panel, const QString& name, const QString& text);
    QList<QLabel*> m_headings;
    QList<QLabel*> m_footNotes;
};

extern TF_Guide* F_Guide;
