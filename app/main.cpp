#include "app/Main.h"

#include "app/Application.h"
#include "platform/qt/QtServices.h"

int main(int argc, char** argv) {
    Application app(argc, argv);
    return Application::Run([&app] {
        platform::InstallQtServices();
        // The main window comes first: it loads the document before any other window exists.
        TMainForm mainForm;
        mainForm.show();
        return app.exec();
    });
}
