// "详细数据": how the quantity of one stored document line is spread over colours and sizes,
// read-only. The caller sets `detailTable` (the size-colour table of the line's document kind),
// `paramValue` (the line's id) and `curGoodsSn` (its goods), shows the viewer and clears them.
#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;
class SizeColorGrid;

class TF_Detail : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Detail(QWidget* parent = nullptr);

    QLabel* gsn = nullptr;
    QLabel* gname = nullptr;
    QLabel* dwname = nullptr;
    QLabel* ggname = nullptr;
    QLabel* gkc = nullptr;
    QLabel* gsccs = nullptr;
    SizeColorGrid* StringGridIn = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormActivate() override;
};

extern TF_Detail* F_Detail;
