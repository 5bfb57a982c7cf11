// The main window: the launcher of every command of the program.
#pragma once

#include <QMainWindow>
#include <QPixmap>

class TF_MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TF_MainForm(QWidget* parent = nullptr);

    void FormCreate();
    // The background tile painted across the client area.
    const QPixmap& backgroundTile() const { return m_tile; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPixmap m_tile;
};
