#include "platform/codecombo.h"

#include <stdexcept>

CodeComboBox::CodeComboBox(QWidget* parent) : QComboBox(parent)
{
    setMaxVisibleItems(20);
}

void CodeComboBox::addItem(const QString& text, const QString& code)
{
    QComboBox::addItem(text, QVariant::fromValue(TMyObject{code}));
}

void CodeComboBox::insertItem(int index, const QString& text, const QString& code)
{
    QComboBox::insertItem(index, text, QVariant::fromValue(TMyObject{code}));
}

QString CodeComboBox::codeAt(int index) const
{
    return getComboCode(this, index);
}

QString CodeComboBox::currentCodeOrEmpty() const
{
    return currentIndex() < 0 ? QString() : codeAt(currentIndex());
}

bool CodeComboBox::currentIsAll() const
{
    return currentIndex() >= 0 && codeAt(currentIndex()) == AllCode;
}

int CodeComboBox::indexOfCode(const QString& code) const
{
    for (int i = 0; i < count(); ++i)
        if (itemData(i).value<TMyObject>().comboS == code)
            return i;
    return -1;
}

bool CodeComboBox::selectCode(const QString& code)
{
    const int i = indexOfCode(code);
    if (i < 0)
        return false;
    setCurrentIndex(i);
    return true;
}

bool CodeComboBox::selectText(const QString& text)
{
    const int i = findText(text, Qt::MatchExactly);
    if (i < 0)
        return false;
    setCurrentIndex(i);
    return true;
}

QString getComboCode(const QComboBox* combo, int index)
{
    if (!combo || index < 0 || index >= combo->count())
        throw std::out_of_range(
            QStringLiteral("列表索引越界 (%1)").arg(index).toUtf8().toStdString());
    return combo->itemData(index).value<TMyObject>().comboS;
}
