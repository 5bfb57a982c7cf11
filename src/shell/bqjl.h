// "便签记录": the notepad, kept as rich text in "note.rtf" in the shop's folder.
#pragma once

#include "platform/form.h"

class QComboBox;
class QFontComboBox;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

class TF_Bqjl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Bqjl(QWidget* parent = nullptr);

    QTextEdit* RichEdit1 = nullptr;
    QToolButton* btnTime = nullptr;
    QToolButton* btnBold = nullptr;
    QToolButton* btnItalic = nullptr;
    QToolButton* btnUnderline = nullptr;
    QFontComboBox* comFont = nullptr;
    QComboBox* comSize = nullptr;
    QToolButton* btnColor = nullptr;
    QLineEdit* tFind = nullptr;
    QPushButton* btnFind = nullptr;

    // The note file: "note.rtf" in the shop's folder.
    static QString noteFile();

    void btnTimeClick();
    void btnFindClick();
    void setSelectionColor(const QColor& colour);

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void showCharFormat(const class QTextCharFormat& format);
    void mergeFormat(const std::function<void(class QTextCharFormat&)>& change);
};

extern TF_Bqjl* F_Bqjl;
