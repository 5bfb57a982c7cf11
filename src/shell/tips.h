// "系统提示": the slide-in notice. It rises at the bottom right of the screen, stays about three
// seconds and sinks away, while the user goes on working.
#pragma once

#include "platform/form.h"

#include <QElapsedTimer>

class QLabel;
class QTimer;

class TF_Tips : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Tips(QWidget* parent = nullptr);

    QString tipMsg;          // the text, set by the caller before showing
    int Step = 1;            // 1 moving, 2 showing, 3 about to sink
    int speed = 2;           // pixels per tick
    QElapsedTimer ShowBeginTime;  // since the window stopped rising
    QLabel* lMsg = nullptr;
    QTimer* TimerUp = nullptr;
    QTimer* TimerDown = nullptr;

    void TimerUpTimer();
    void TimerDownTimer();

protected:
    void FormActivate() override;

private:
    int m_extraTicks = 0;
};

extern TF_Tips* F_Tips;

// Shows `text` in the notice window without waiting (a notice still on the screen restarts).
void showTips(const QString& text);
