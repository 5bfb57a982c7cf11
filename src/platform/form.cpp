#include "platform/form.h"

#include "platform/msgbox.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QtDebug>

namespace {

const char* const kPreviewProperty = "jxcPrintPreview";

// Watches the whole application: which window was active before the current one (and whether
// it was modal or a print preview when it became active), and key presses for the preview
// of the window they belong to.
class FormEvents : public QObject {
public:
    struct Active {
        QPointer<QWidget> window;
        const QWidget* id = nullptr;  // identity, also once the window is gone
        bool modal = false;
        bool preview = false;
    };

    static FormEvents& instance()
    {
        static FormEvents* events = [] {
            auto* e = new FormEvents(qApp);
            qApp->installEventFilter(e);
            QObject::connect(qApp, &QApplication::focusChanged, e, [e] { e->m_lastKey = nullptr; });
            return e;
        }();
        return *events;
    }

    const Active& previous() const { return m_previous; }

protected:
    bool eventFilter(QObject* obj, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::WindowActivate:
            if (obj->isWidgetType())
                windowActivated(static_cast<QWidget*>(obj));
            break;
        case QEvent::KeyPress:
            if (obj->isWidgetType())
                return keyPressed(static_cast<QWidget*>(obj), static_cast<QKeyEvent*>(event));
            break;
        case QEvent::KeyRelease:
            m_lastKey = nullptr;
            break;
        default:
            break;
        }
        return false;
    }

private:
    using QObject::QObject;

    void windowActivated(QWidget* w)
    {
        if (!w->isWindow() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
            return;
        if (w == m_current.id)
            return;
        m_previous = m_current;
        m_current.window = w;
        m_current.id = w;
        m_current.modal = w->isModal() || QApplication::activeModalWidget() == w;
        m_current.preview = w->property(kPreviewProperty).toBool();
    }

    // A key press reaches the focused control first and then, while ignored, its parents;
    // the window previews it once, at its first receiver.
    bool keyPressed(QWidget* w, QKeyEvent* key)
    {
        if (key == m_lastKey && m_lastReceiver && m_lastReceiver != w && w->isAncestorOf(m_lastReceiver))
            return false;
        m_lastKey = key;
        m_lastReceiver = w;
        auto* form = qobject_cast<TF_Form*>(w->window());
        if (!form || !form->keyPreview())
            return false;
        return form->previewKey(key);
    }

    Active m_previous;
    Active m_current;
    const QEvent* m_lastKey = nullptr;
    QPointer<QWidget> m_lastReceiver;
};

QHash<QString, QList<std::function<void(TF_Form*)>>>& scripts()
{
    static QHash<QString, QList<std::function<void(TF_Form*)>>> s;
    return s;
}

}  // namespace

TF_Form::TF_Form(QWidget* parent) : QDialog(parent)
{
    FormEvents::instance();
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

TF_Form::~TF_Form() = default;

int TF_Form::showModalForm()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return result();
    }
    return exec();
}

void TF_Form::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_openPending = true;
    m_ignoreActivation = !isActiveWindow();
    // Queued: the window is on screen and, when modal, its event loop runs (closing the
    // window from FormActivate then ends that loop).
    QMetaObject::invokeMethod(this, &TF_Form::runActivate, Qt::QueuedConnection);
}

void TF_Form::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    m_skipActivate = false;
    m_openPending = false;
    m_ignoreActivation = false;
}

void TF_Form::done(int result)
{
    bool canClose = false;
    if (!runGuarded([&] { canClose = FormCloseQuery(); }) || !canClose)
        return;
    QDialog::done(result);
    runGuarded([this] { FormClose(); });
}

bool TF_Form::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (m_ignoreActivation) {
            // The activation of the opening itself: FormActivate is already on its way.
            m_ignoreActivation = false;
        } else if (m_skipActivate) {
            m_skipActivate = false;
        } else if (!m_openPending) {
            const auto& prev = FormEvents::instance().previous();
            if (prev.id && prev.id != this && !prev.modal && !prev.preview)
                QMetaObject::invokeMethod(this, &TF_Form::runActivate, Qt::QueuedConnection);
        }
    }
    return QDialog::event(event);
}

void TF_Form::runActivate()
{
    if (!isVisible())
        return;
    const bool opening = m_openPending;
    m_openPending = false;
    if (m_skipActivate) {
        m_skipActivate = false;
        return;
    }
    ++m_activateCount;
    runGuarded([this] { FormActivate(); });
    emit formActivated();

    if (!opening)
        return;
    auto it = scripts().find(objectName());
    if (it == scripts().end() || it->isEmpty())
        return;
    const auto script = it->takeFirst();
    if (it->isEmpty())
        scripts().erase(it);
    runGuarded([&] { script(this); });
    if (isVisible()) {
        close();
        if (isVisible()) {
            qWarning("window %s refused to close after its script", qUtf8Printable(objectName()));
            QDialog::done(QDialog::Rejected);
        }
    }
}

bool TF_Form::previewKey(QKeyEvent* event)
{
    bool consumed = false;
    if (!runGuarded([&] { consumed = FormKeyDown(event); }))
        consumed = true;
    if (!consumed && event->key() == Qt::Key_F5 && m_mainAction) {
        runGuarded(m_mainAction);
        consumed = true;
    } else if (!consumed && event->key() == Qt::Key_Escape && m_escCloses) {
        reject();
        consumed = true;
    }
    if (consumed)
        event->accept();
    return consumed;
}

void TF_Form::keyPressEvent(QKeyEvent* event)
{
    if (!m_keyPreview && previewKey(event))
        return;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        // Neither closes the window nor presses a button unless the window says so.
        event->accept();
        break;
    default:
        event->ignore();
        break;
    }
}

void TF_Form::scriptNextOpening(const QString& objectName, std::function<void(TF_Form*)> script)
{
    scripts()[objectName].append(std::move(script));
}

int TF_Form::pendingScripts()
{
    int n = 0;
    for (const auto& list : std::as_const(scripts()))
        n += list.size();
    return n;
}

void TF_Form::clearScripts()
{
    scripts().clear();
}

void markPrintPreview(QWidget* window)
{
    window->setProperty(kPreviewProperty, true);
}

namespace {
QList<QPointer<QWidget>>& keptForms()
{
    static QList<QPointer<QWidget>> forms;
    return forms;
}
}  // namespace

void keepForm(QWidget* form, std::function<void()> forget)
{
    QObject::connect(form, &QObject::destroyed, [forget = std::move(forget)] { forget(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, form, [form] { delete form; });
    keptForms().removeAll(nullptr);
    keptForms().append(form);
}

void destroyKeptForms()
{
    const QList<QPointer<QWidget>> forms = std::exchange(keptForms(), {});
    for (const QPointer<QWidget>& form : forms)
        delete form.data();
}
