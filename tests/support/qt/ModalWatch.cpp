#include "tests/support/qt/ModalWatch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

namespace testing_support {
namespace {

constexpr int kPollMs = 10;
constexpr int kPatienceMs = 5000;

void CloseModal(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->reject();
    } else {
        window.close();
    }
}

}  // namespace

void ExpectModalWindow(const std::function<void()>& open,
                       const std::function<bool(QWidget&)>& matches,
                       const std::function<void(QWidget&)>& handle, const std::string& what) {
    bool handled = false;
    QWidget* outer = QApplication::activeModalWidget();
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (handled || modal == nullptr || modal == outer) {
            if (!handled && clock.elapsed() > kPatienceMs) {
                poll.stop();
                ADD_FAILURE() << what << " did not appear";
                if (modal != nullptr && modal != outer) CloseModal(*modal);
            }
            return;
        }
        handled = true;
        poll.stop();
        if (!matches(*modal)) {
            ADD_FAILURE() << "expected " << what << ", another modal window appeared: "
                          << modal->metaObject()->className();
            CloseModal(*modal);
            return;
        }
        handle(*modal);
        if (modal->isVisible()) {
            ADD_FAILURE() << what << " was left open";
            CloseModal(*modal);
        }
    });
    poll.start();
    open();
    poll.stop();
    if (!handled) ADD_FAILURE() << what << " was not shown";
}

void ExpectNoModal(const std::function<void()>& open, const std::string& what) {
    QWidget* outer = QApplication::activeModalWidget();
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == outer) return;
        ADD_FAILURE() << what << " opened " << modal->metaObject()->className();
        CloseModal(*modal);
    });
    poll.start();
    open();
}

}  // namespace testing_support
