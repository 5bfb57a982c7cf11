#include "platform/formkit.h"

#include "platform/keyfilter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Keeps whole characters: the box's length cuts text in UTF-16 units and may leave half of a
// character outside the basic plane, which would be stored as "?".
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (input.at(i).isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
                ++i;
                continue;
            }
            if (input.at(i).isSurrogate()) {
                input.remove(i, 1);
                if (pos > i)
                    --pos;
                --i;
            }
        }
        return Acceptable;
    }
};

}  // namespace

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
    box->setValidator(new WholeCharacters(box));
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
