#pragma once

#include "platform/qt/QtColorDialogService.h"
#include "platform/qt/QtFileDialogService.h"
#include "platform/qt/QtMessageBoxService.h"

namespace platform {

// Installs the Qt message box, file dialog and colour dialog services.
void InstallQtServices();

}  // namespace platform
