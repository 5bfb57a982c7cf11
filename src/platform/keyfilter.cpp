#include "platform/keyfilter.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class KeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString kept = keyFiltered(text);
        if (kept == text)
            return false;
        if (!kept.isEmpty())
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                edit->insert(kept);
        return true;
    }
};

}  // namespace

bool isFilteredKey(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 33 && u <= 47 && u != u'*') || u == u'?' || u == u'@';
}

QString keyFiltered(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isFilteredKey(c))
            out.append(c);
    return out;
}

void installKeyFilter(QLineEdit* edit)
{
    static const char* const kInstalled = "jxcKeyFilter";
    if (!edit || edit->property(kInstalled).toBool())
        return;
    edit->setProperty(kInstalled, true);
    edit->installEventFilter(new KeyFilter(edit));
}

void installKeyFilter(QComboBox* combo)
{
    if (combo)
        installKeyFilter(combo->lineEdit());
}
