#pragma once

#include <string>

#include "platform/Dialogs.h"

namespace platform {

// Open and save dialogs as QFileDialog. An open dialog accepts only an existing file; a save
// dialog replaces an existing file without asking, as the program expects, and adds the
// default extension to a name that has none. Both start in the folder of the last file name.
class QtFileDialogService : public FileDialogService {
  public:
    std::optional<std::string> Run(const FileDialog& dialog) override;
};

// The Windows filter "Description|*.ext|..." as Qt name filters joined by ";;". A description
// that already ends with its pattern in parentheses stays as it is.
std::string QtNameFilters(const std::string& filter);

// The path with the default extension (".ext") appended when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt);

}  // namespace platform
