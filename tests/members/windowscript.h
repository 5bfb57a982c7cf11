// Driving the member windows in tests: a kept window opened with a script, the next charge
// window's answer, and short reads of the database.
#pragma once

#include "data/datamodule.h"
#include "members/hygl_sf.h"
#include "platform/form.h"

#include <QPushButton>
#include <QStringList>
#include <functional>

// The first column of every row of the statement.
inline QStringList column(const QString& sql)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, 0);
    return out;
}

// The balance of the money account "现金".
inline QString cash()
{
    return selectValue(QStringLiteral("select yh_zje from jxc_yhzh where yh_name='现金'"));
}

// Opens the kept window of `global`; `script` runs once it is shown.
template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

// The next charge window confirms or cancels the amount due.
inline void nextCharge(bool confirm)
{
    TF_Form::scriptNextOpening(QStringLiteral("F_Hygl_Sf"), [confirm](TF_Form* f) {
        auto* w = static_cast<TF_Hygl_Sf*>(f);
        (confirm ? w->btnOK : w->btnCancel)->click();
    });
}
