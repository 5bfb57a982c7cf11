#include "platform/formkit.h"

#include "platform/keyfilter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton* namedButton(QWidget* parent, const char* objectName, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

QLineEdit* nameBox(QWidget* parent, const char* objectName, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setMaxLength(maxLength);
    installKeyFilter(box);
    return box;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

void layOutOneField(QWidget* dialog, const QString& label, QLineEdit* box, std::initializer_list<QPushButton*> buttons)
{
    auto* col = new QVBoxLayout(dialog);
    if (label.isEmpty()) {
        col->addWidget(box);
    } else {
        auto* form = new QFormLayout;
        form->addRow(label, box);
        col->addLayout(form);
    }
    col->addLayout(buttonRow(buttons));
}
