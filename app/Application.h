#pragma once

#include <QApplication>
#include <QTranslator>
#include <exception>
#include <functional>

// The application object. An exception escaping an event handler is shown in the standard
// error box and the program goes on, as users of the original program were used to.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    static void ShowException(const std::exception* error);
    // Runs the program's body. An exception escaping it (the main window's constructor, say)
    // is shown in the same error box and the program ends with status 1.
    static int Run(const std::function<int()>& body);

  private:
    // Qt's own dialogs (file and colour choosers) in Polish, like the rest of the program.
    QTranslator qtTranslator_;
};
