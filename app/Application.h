#pragma once

#include <QApplication>
#include <QTranslator>

// The application object. An exception escaping an event handler is shown in the standard
// error box and the program goes on, as users of the original program were used to.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    static void ShowException(const std::exception* error);

  private:
    // Qt's own dialogs (file and colour choosers) in Polish, like the rest of the program.
    QTranslator qtTranslator_;
};
