#include <QApplication>

#include "app/Module1.h"
#include "ui/Application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vokta::ui::SetupApplication(app);
    // "vokta FILE" opens a design file once the program has come up.
    vokta::ui::Module1::Main(app.arguments().value(1));
    return app.exec();
}
