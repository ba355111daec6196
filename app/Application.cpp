#include "app/Application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <exception>

#include "core/CommonTexts.h"
#include "platform/Dialogs.h"
#include "platform/qt/Accessibility.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kProgramTitle);
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polish);
    if (qtTranslator_.load(polish, "qtbase", "_",
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qtTranslator_);
    platform::InstallAccessibleNames();
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
    platform::MessageBox(error != nullptr ? error->what() : "", kProgramTitle,
                         platform::mb::Ok | platform::mb::IconStop);
}

int Application::Run(const std::function<int()>& body) {
    try {
        return body();
    } catch (const std::exception& error) {
        ShowException(&error);
    } catch (...) {
        ShowException(nullptr);
    }
    return 1;
}
