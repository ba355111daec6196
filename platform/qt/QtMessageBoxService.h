#pragma once

#include "platform/Dialogs.h"

namespace platform {

// Message boxes as QMessageBox, with the buttons and icon chosen by the Windows flags and
// Polish button texts. An owned box is parented to the active window; an unowned one (the
// save question) has no parent.
class QtMessageBoxService : public MessageBoxService {
  public:
    int Show(const MessageRequest& request) override;
};

}  // namespace platform
