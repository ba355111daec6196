#include "platform/qt/QtFileDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace platform {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::string QtNameFilters(const std::string& filter) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string& description = parts[i];
        std::string pattern = parts[i + 1];
        if (!result.empty()) result += ";;";
        if (EndsWith(description, "(" + pattern + ")")) {
            result += description;
            continue;
        }
        // Windows separates several patterns with ';', Qt with blanks.
        std::replace(pattern.begin(), pattern.end(), ';', ' ');
        result += description + " (" + pattern + ")";
    }
    return result;
}

std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt) {
    const auto nameStart = path.find_last_of('/') + 1;  // npos + 1 == 0: no folder part
    const auto dot = path.find('.', nameStart + 1);
    return dot == std::string::npos ? path + defaultExt : path;
}

std::optional<std::string> QtFileDialogService::Run(const FileDialog& dialog) {
    QFileDialog box(QApplication::activeWindow());
    const bool save = dialog.Kind() == FileDialogKind::Save;
    box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    box.setOption(QFileDialog::DontConfirmOverwrite, true);
    box.setNameFilter(QString::fromStdString(QtNameFilters(dialog.Filter())));
    if (!dialog.FileName().empty()) {
        box.setDirectory(QFileInfo(QString::fromStdString(dialog.FileName())).absolutePath());
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;

    const std::string chosen = box.selectedFiles().constFirst().toStdString();
    return save ? WithDefaultExtension(chosen, dialog.DefaultExt()) : chosen;
}

}  // namespace platform
