// "软件帮助": the help centre, showing readme.htm from the program's folder, and the about window.
#pragma once

#include "platform/form.h"

class QTabWidget;
class QTextBrowser;
class QPushButton;

class TF_Rjbz : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Rjbz(QWidget* parent = nullptr);

    QTabWidget* RzPageControl1 = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;  // "在线帮助": readme.htm
    QTextBrowser* WebBrowser2 = nullptr;  // "软件帮助"
    QTextBrowser* WebBrowser3 = nullptr;  // "客户反馈"

    // The help file: "readme.htm" in the program's folder.
    static QString helpFile();

    void btnSupportClick();
    void btnHelpClick();
    void btnFeedbackClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void showWebTab(int index, QTextBrowser* browser);
};

// The about window: a picture; a click on it or Esc closes it.
class TF_About : public TF_Form {
    Q_OBJECT
public:
    explicit TF_About(QWidget* parent = nullptr);

protected:
    bool FormKeyDown(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

extern TF_Rjbz* F_Rjbz;
extern TF_About* F_About;
