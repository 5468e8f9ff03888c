#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;
class QTimer;

namespace vokta::ui {

// The splash window: a traffic light steps red, yellow, green every 1.5 s, then the main window opens.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

    void Form_Load();
    void Timer1_Timer();

    // The timer handler's counter of elapsed milliseconds; it lives as long as the program.
    static inline int16_t ElapsedMs = 0;
    // The design file named on the command line, opened once the main window is up; empty: none.
    static inline QString StartFile;

    QTimer* Timer1 = nullptr;

private:
    QLabel* ImgRed = nullptr;
    QLabel* ImgYellow = nullptr;
    QLabel* ImgGreen = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LblUser = nullptr;
    QLabel* lblVersion = nullptr;
};

// The name of the logged-on user, as the operating system gives it.
QString LoggedOnUserName();

}  // namespace vokta::ui
