#pragma once

#include <QWidget>
#include <functional>
#include <string>

// Tests of commands that open a modal window: the window is handled while its own event loop
// runs, and a window that never appears fails the test instead of hanging it.
namespace testing_support {

// Runs `open`, which should show a modal window for which `matches` is true; `handle` gets
// that window once it is up and should close it. The test fails, and any modal window then up
// is closed, when no such window appears within a few seconds, when another modal window
// appears first, or when the window is still open after `handle`.
void ExpectModalWindow(const std::function<void()>& open,
                       const std::function<bool(QWidget&)>& matches,
                       const std::function<void(QWidget&)>& handle, const std::string& what);

// Runs `open`, which must show no modal window; one that appears fails the test and is closed,
// so a command that should do nothing cannot hang the test either.
void ExpectNoModal(const std::function<void()>& open, const std::string& what);

template <class Form>
void ExpectModal(const std::function<void()>& open, const std::function<void(Form&)>& handle) {
    ExpectModalWindow(
        open, [](QWidget& window) { return qobject_cast<Form*>(&window) != nullptr; },
        [&handle](QWidget& window) { handle(*qobject_cast<Form*>(&window)); },
        Form::staticMetaObject.className());
}

}  // namespace testing_support
