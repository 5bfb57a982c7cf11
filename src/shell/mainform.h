// The main window: the launcher of every command of the program. It asks for the login when it
// is first shown, loads the settings and makes sure today's summary rows exist when it is
// activated, shows the tip of the day and the due reminders after each login, makes the
// automatic backups, locks the screen on F2, opens the help file on F1 and asks before the
// program ends.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <functional>

class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class QFrame;

class TF_MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TF_MainForm(QWidget* parent = nullptr);
    ~TF_MainForm() override;

    void FormCreate();
    // The background tile painted across the client area.
    const QPixmap& backgroundTile() const { return m_tile; }

    QLabel* RzStatusPane_Rj = nullptr;
    QLabel* RzStatusPane_Admin = nullptr;
    QLabel* RzStatusPane_Clock = nullptr;
    QLabel* RzStatusPane_Btns = nullptr;
    QLabel* RzStatusPane_Help = nullptr;
    QLabel* homeUrl = nullptr;
    QLabel* homeUrl_Left = nullptr;
    QTimer* Timer1 = nullptr;       // start-up tasks, once after each login
    QTimer* TimerBackUp = nullptr;  // automatic backup
    QMenu* PopupMenu_Pos = nullptr;

    // First showing: the stored skin, then the login.
    void FormShow();
    // Settings, today's summary rows, title, backup timer, schema check.
    void FormActivate();
    // The title: the product, the company's short name in brackets, the version. Run on
    // activation and whenever the company is saved, so a new short name shows at once.
    void showCompanyName();
    // The tip of the day and the reminders, 200 ms after a login.
    void Timer1Timer();
    void TimerBackUpTimer();
    // Makes group panel `group` (1, 2, 3, 8, 4, 5, 6) the visible one.
    void showGroup(int group);
    // Runs the command of a button, picture or menu item by its object name.
    void runCommand(const QString& control);
    // What a successful login sets on the main window: the status panes and the start-up timer.
    void loginDone();
    // Copies the database into the backup folder; a failure is written to the operation log and
    // rethrown.
    QString backupDatabase();

    // How often FormActivate has run (tests).
    int activateCount() const { return m_activateCount; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildTopBar(QWidget* parent);
    QWidget* buildLeftBar();
    QFrame* buildPanel(int group);
    QToolButton* commandButton(const char* control, QWidget* parent, int iconSize, bool large);
    void btn_HbglClick();
    void btn_Menu2_Btn8Click();
    bool FormCloseQuery();
    bool keyDown(int key);
    void updateClock();

    QPixmap m_tile;
    QList<QFrame*> m_panels;
    bool m_shown = false;
    bool m_lostToOwnWindow = false;
    bool m_closing = false;
    int m_activateCount = 0;
};

// The main window of the program (the one created at start-up).
extern TF_MainForm* F_MainForm;

// The company was saved: the main window (when there is one) shows its short name at once.
void companyChanged();

// Ends the program: leaves the application's event loop. Tests replace the handler.
void endApplication();
void setEndApplicationHandler(std::function<void()> handler);

// The program's folder, where readme.htm and the shipped report templates live; tests point it
// elsewhere.
QString programDir();
void setProgramDir(const QString& dir);
