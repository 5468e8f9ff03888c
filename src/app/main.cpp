#include <QApplication>

#include "app/Module1.h"
#include "ui/Application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vokta::ui::SetupApplication(app);
    vokta::ui::Module1::Main();
    return app.exec();
}
