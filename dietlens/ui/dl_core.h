#pragma once
#include <QMainWindow>

struct AppState;
class Messenger;

// The main window of dietlens.
class DL_Core : public QMainWindow
{
    Q_OBJECT
public:
    DL_Core(AppState& state, Messenger& messenger, QWidget* parent = nullptr);

    // Runs the start-up sequence; the window shows itself on the way.
    void Form_Load();

private:
    AppState& m_state;
    Messenger& m_messenger;
};
