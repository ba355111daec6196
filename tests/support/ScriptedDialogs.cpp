#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include "core/DataFile.h"

namespace testing_support {
namespace {

class QueuedMessageBoxes final : public platform::MessageBoxService {
  public:
    QueuedMessageBoxes(std::shared_ptr<std::deque<ScriptedMessageBoxes::Expectation>> expected,
                       std::shared_ptr<std::deque<platform::MessageRequest>> shown)
        : expected_(std::move(expected)), shown_(std::move(shown)) {}

    int Show(const platform::MessageRequest& request) override {
        shown_->push_back(request);
        if (expected_->empty()) {
            ADD_FAILURE() << "unexpected message box \"" << request.text << "\" captioned \""
                          << request.caption << "\"";
            return platform::answer::Cancel;
        }
        const auto next = expected_->front();
        expected_->pop_front();
        EXPECT_EQ(next.request.text, request.text);
        EXPECT_EQ(next.request.caption, request.caption);
        EXPECT_EQ(next.request.flags, request.flags);
        return next.answer;
    }

  private:
    std::shared_ptr<std::deque<ScriptedMessageBoxes::Expectation>> expected_;
    std::shared_ptr<std::deque<platform::MessageRequest>> shown_;
};

class QueuedFileDialogs final : public platform::FileDialogService {
  public:
    QueuedFileDialogs(std::shared_ptr<std::deque<ScriptedFileDialogs::Expectation>> expected,
                      std::shared_ptr<std::deque<platform::FileDialog>> shown)
        : expected_(std::move(expected)), shown_(std::move(shown)) {}

    std::optional<std::string> Run(const platform::FileDialog& dialog) override {
        shown_->push_back(dialog);
        if (expected_->empty()) {
            ADD_FAILURE() << "unexpected file dialog with filter \"" << dialog.Filter() << "\"";
            return std::nullopt;
        }
        const auto next = expected_->front();
        expected_->pop_front();
        EXPECT_EQ(next.kind, dialog.Kind()) << "open and save dialogs mixed up";
        return next.path;
    }

  private:
    std::shared_ptr<std::deque<ScriptedFileDialogs::Expectation>> expected_;
    std::shared_ptr<std::deque<platform::FileDialog>> shown_;
};

class QueuedColorDialogs final : public platform::ColorDialogService {
  public:
    QueuedColorDialogs(std::shared_ptr<std::deque<std::optional<TColor>>> expected,
                       std::shared_ptr<std::deque<TColor>> openedOn)
        : expected_(std::move(expected)), openedOn_(std::move(openedOn)) {}

    std::optional<TColor> Pick(TColor initial) override {
        openedOn_->push_back(initial);
        if (expected_->empty()) {
            ADD_FAILURE() << "unexpected colour dialog";
            return std::nullopt;
        }
        const auto next = expected_->front();
        expected_->pop_front();
        return next;
    }

  private:
    std::shared_ptr<std::deque<std::optional<TColor>>> expected_;
    std::shared_ptr<std::deque<TColor>> openedOn_;
};

}  // namespace

ScriptedMessageBoxes::ScriptedMessageBoxes()
    : expected_(std::make_shared<std::deque<Expectation>>()),
      shown_(std::make_shared<std::deque<platform::MessageRequest>>()) {
    previous_ =
        platform::SetMessageBoxService(std::make_unique<QueuedMessageBoxes>(expected_, shown_));
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    EXPECT_TRUE(expected_->empty()) << expected_->size() << " expected message box(es) not shown";
    platform::SetMessageBoxService(std::move(previous_));
}

void ScriptedMessageBoxes::Expect(std::string text, std::string caption, unsigned flags,
                                  int answer) {
    expected_->push_back({{std::move(text), std::move(caption), flags, true}, answer});
}

void ScriptedMessageBoxes::ExpectSaveQuestion(int answer) {
    Expect(kSaveQuestion, kDocumentCaption, platform::mb::YesNoCancel, answer);
}

ScriptedFileDialogs::ScriptedFileDialogs()
    : expected_(std::make_shared<std::deque<Expectation>>()),
      shown_(std::make_shared<std::deque<platform::FileDialog>>()) {
    previous_ =
        platform::SetFileDialogService(std::make_unique<QueuedFileDialogs>(expected_, shown_));
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    EXPECT_TRUE(expected_->empty()) << expected_->size() << " expected file dialog(s) not run";
    platform::SetFileDialogService(std::move(previous_));
}

void ScriptedFileDialogs::Push(platform::FileDialogKind kind, std::optional<std::string> path) {
    expected_->push_back({kind, std::move(path)});
}

ScriptedColorDialogs::ScriptedColorDialogs()
    : expected_(std::make_shared<std::deque<std::optional<TColor>>>()),
      openedOn_(std::make_shared<std::deque<TColor>>()) {
    previous_ =
        platform::SetColorDialogService(std::make_unique<QueuedColorDialogs>(expected_, openedOn_));
}

ScriptedColorDialogs::~ScriptedColorDialogs() {
    EXPECT_TRUE(expected_->empty()) << expected_->size() << " expected colour dialog(s) not run";
    platform::SetColorDialogService(std::move(previous_));
}

}  // namespace testing_support
