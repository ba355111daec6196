#include "app/Application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <exception>

#include "platform/Dialogs.h"

namespace {
const char* const kTitle = "Quirvale 2";
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kTitle);
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polish);
    if (qtTranslator_.load(polish, "qtbase", "_",
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qtTranslator_);
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
    platform::MessageBox(error != nullptr ? error->what() : "", kTitle,
                         platform::mb::Ok | platform::mb::IconStop);
}
