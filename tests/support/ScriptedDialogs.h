#pragma once

#include <deque>
#include <optional>
#include <string>

#include "platform/Dialogs.h"

namespace testing_support {

// Message boxes answered from a queue. Each expected box names its text and caption; a box
// that was not expected, or that differs from the next expectation, fails the test and is
// answered Cancel. Installed for the lifetime of the object; the destructor fails the test
// when expected boxes were never shown.
class ScriptedMessageBoxes {
  public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    // Expects a box with this text, caption and flags, answered with `answer`.
    void Expect(std::string text, std::string caption, unsigned flags, int answer);
    // Expects the document's "Czy zachować zmiany?" question, answered with `answer`.
    void ExpectSaveQuestion(int answer);
    // The boxes shown so far, oldest first.
    const std::deque<platform::MessageRequest>& Shown() const { return *shown_; }
    bool AllAnswered() const { return expected_->empty(); }

    struct Expectation {
        platform::MessageRequest request;
        int answer;
    };

  private:
    std::shared_ptr<std::deque<Expectation>> expected_;
    std::shared_ptr<std::deque<platform::MessageRequest>> shown_;
    std::unique_ptr<platform::MessageBoxService> previous_;
};

// File dialogs answered from a queue: a path, or cancel. An unexpected dialog fails the test.
// Each dialog run is recorded as it was asked for (its folder, whether it asks before
// replacing a file).
class ScriptedFileDialogs {
  public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs();
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void ExpectOpen(std::string path) { Push(platform::FileDialogKind::Open, std::move(path)); }
    void ExpectSave(std::string path) { Push(platform::FileDialogKind::Save, std::move(path)); }
    void ExpectOpenCancelled() { Push(platform::FileDialogKind::Open, std::nullopt); }
    void ExpectSaveCancelled() { Push(platform::FileDialogKind::Save, std::nullopt); }
    int Runs() const { return static_cast<int>(shown_->size()); }
    // The dialogs run so far, oldest first.
    const std::deque<platform::FileDialog>& Shown() const { return *shown_; }

    struct Expectation {
        platform::FileDialogKind kind;
        std::optional<std::string> path;
    };

  private:
    void Push(platform::FileDialogKind kind, std::optional<std::string> path);

    std::shared_ptr<std::deque<Expectation>> expected_;
    std::shared_ptr<std::deque<platform::FileDialog>> shown_;
    std::unique_ptr<platform::FileDialogService> previous_;
};

// Colour dialogs answered from a queue; records the colour each one opened on.
class ScriptedColorDialogs {
  public:
    ScriptedColorDialogs();
    ~ScriptedColorDialogs();
    ScriptedColorDialogs(const ScriptedColorDialogs&) = delete;
    ScriptedColorDialogs& operator=(const ScriptedColorDialogs&) = delete;

    void ExpectPick(TColor color) { expected_->push_back(color); }
    void ExpectCancel() { expected_->push_back(std::nullopt); }
    const std::deque<TColor>& OpenedOn() const { return *openedOn_; }

  private:
    std::shared_ptr<std::deque<std::optional<TColor>>> expected_;
    std::shared_ptr<std::deque<TColor>> openedOn_;
    std::unique_ptr<platform::ColorDialogService> previous_;
};

}  // namespace testing_support
