#pragma once

#include <QWidget>

#include "app/MainServices.h"
#include "core/DataFile.h"
#include "core/ProgramOptions.h"

namespace testing_support {

// The main window's services for a window tested alone: it records what the window asked of
// the main window, and marks the document (when given) modified as the main window does.
class FakeMainServices : public TMainServices {
  public:
    explicit FakeMainServices(TDataFile* document = nullptr) : document_(document) {}

    void SetModified() override {
        ++modifiedCalls;
        if (document_ != nullptr) document_->Modified = true;
    }
    bool IsModified() const override {
        return document_ != nullptr ? document_->Modified : modifiedCalls > 0;
    }
    int CurrentSubject() const override { return currentSubject; }
    void SetCurrentSubject(int index) override { currentSubject = index; }
    TProgramOptions& InstallationSettings() override { return options; }
    void SaveSettings() override { ++saveSettingsCalls; }
    void RefreshTimeTable() override { ++timeTableRefreshes; }
    QWidget& Window() override { return owner; }

    int modifiedCalls = 0;
    int currentSubject = -1;
    TProgramOptions options;
    int saveSettingsCalls = 0;
    int timeTableRefreshes = 0;
    QWidget owner;

  private:
    TDataFile* document_;
};

}  // namespace testing_support
