// The splash window shown while the program starts.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

class TF_Loading : public QDialog {
    Q_OBJECT
public:
    explicit TF_Loading(QWidget* parent = nullptr);

    QLabel* lMsg = nullptr;
    QTimer* Timer1 = nullptr;

    void FormActivate();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_step = 0;
};
