// The base of every window of the program.
//
// A window is created on first use, kept in a global of its own and reused (ensureForm,
// showForm); it is opened modally with showModalForm(). Its activation handler FormActivate()
// runs each time the window is opened and each time the focus comes back to it from a window
// that is not modal; it does not run when a modal dialog or message box it opened closes, nor
// when the focus comes back from a print preview (markPrintPreview) or while the skip flag is
// set. The window sees the keys before its controls (FormKeyDown); Esc and Enter do nothing
// unless the window handles them.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QKeyEvent;

class TF_Form : public QDialog {
    Q_OBJECT
public:
    explicit TF_Form(QWidget* parent = nullptr);
    ~TF_Form() override;

    // Opens the window modally; returns when it closes (the QDialog result).
    int showModalForm();

    // The skip flag: while it is set, an activation only clears it (FormActivate does not run).
    // It is cleared by the next activation of the window from any other window and when the
    // window is hidden, so it never outlives the print that set it.
    void setSkipActivate(bool skip) { m_skipActivate = skip; }
    bool skipActivate() const { return m_skipActivate; }

    // Key preview: FormKeyDown sees key presses before the focused control (on by default).
    void setKeyPreview(bool on) { m_keyPreview = on; }
    // The system's key conventions, applied when FormKeyDown leaves the key alone: F5 runs the
    // window's main action (guarded), Esc closes the window.
    void setMainAction(std::function<void()> action) { m_mainAction = std::move(action); }
    void setEscCloses(bool on) { m_escCloses = on; }
    bool keyPreview() const { return m_keyPreview; }

    // How many times FormActivate has run (tests).
    int activateCount() const { return m_activateCount; }

    // Test aid: the next time a window of this object name has been activated after opening,
    // `script` runs with it; the window is closed afterwards when the script left it open.
    // Scripts for one name run in the order they were queued.
    static void scriptNextOpening(const QString& objectName, std::function<void(TF_Form*)> script);
    static int pendingScripts();
    static void clearScripts();

    // Runs the window's key handling as the preview does (returns true when consumed).
    bool previewKey(QKeyEvent* event);

signals:
    // After every run of FormActivate.
    void formActivated();

protected:
    // Runs when the window is opened and when the focus comes back from a non-modal window.
    virtual void FormActivate() {}
    // Sees every key press of the window before its controls; true consumes the key.
    virtual bool FormKeyDown(QKeyEvent* event) { return false; }
    // Asked before the window closes; false keeps it open (the close prompt).
    virtual bool FormCloseQuery() { return true; }
    // After the window has closed.
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

public:
    // Closing runs FormCloseQuery first (close(), reject(), accept() and Esc handled by the
    // window all end here) and FormClose after the window has been hidden.
    void done(int result) override;

private:
    void runActivate();

    bool m_skipActivate = false;
    bool m_keyPreview = true;
    bool m_escCloses = false;
    std::function<void()> m_mainAction;
    bool m_openPending = false;       // shown, FormActivate of the opening not yet run
    bool m_ignoreActivation = false;  // the activation that comes with the opening
    int m_activateCount = 0;
};

// Marks a window (a print preview) whose closing must not run FormActivate of the window
// that the focus returns to.
void markPrintPreview(QWidget* window);

// Deletes a kept window when the program ends; `forget` empties its global when it is deleted.
void keepForm(QWidget* form, std::function<void()> forget);
// Deletes every kept window (their globals read nullptr again). Tests call it before the data
// module the windows were bound to goes away.
void destroyKeptForms();

// The window kept in `global`, created on first use.
template <class T>
T* ensureForm(T*& global)
{
    if (!global) {
        global = new T();
        keepForm(global, [&global] { global = nullptr; });
    }
    return global;
}

// Creates the window on first use and opens it modally.
template <class T>
int showForm(T*& global)
{
    return ensureForm(global)->showModalForm();
}
