#include "platform/qt/QtServices.h"

#include <memory>

namespace platform {

void InstallQtServices() {
    SetMessageBoxService(std::make_unique<QtMessageBoxService>());
    SetFileDialogService(std::make_unique<QtFileDialogService>());
    SetColorDialogService(std::make_unique<QtColorDialogService>());
}

}  // namespace platform
