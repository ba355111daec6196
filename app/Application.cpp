#include "app/Application.h"

#include <exception>

#include "platform/Dialogs.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Quirvale 2");
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(&error);
    } catch (...) {
        ShowException(nullptr);
    }
    return false;
}

void Application::ShowException(const std::exception* error) {
    platform::MessageBox(error != nullptr ? error->what() : "", applicationName().toStdString(),
                         platform::mb::Ok | platform::mb::IconStop);
}
