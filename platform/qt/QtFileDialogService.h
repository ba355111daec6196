#pragma once

#include <string>

#include "platform/Dialogs.h"

namespace platform {

// Open and save dialogs as Qt's own QFileDialog, never the desktop's. An open dialog accepts
// only an existing file; a save dialog asks before replacing an existing file where the
// request says so (Qt's question; "No" goes back to the dialog), replaces it unasked
// otherwise, and adds the default extension to a name that has none. Both start in the folder
// the request remembers. No file's content is read to choose its icon, so a FIFO, a device or
// /proc holds no dialog up.
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
