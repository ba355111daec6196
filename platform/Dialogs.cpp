#include "platform/Dialogs.h"

#include <stdexcept>

#include "platform/Files.h"

namespace platform {
namespace {

template <typename Service>
std::unique_ptr<Service>& Installed() {
    static std::unique_ptr<Service> service;
    return service;
}

template <typename Service>
Service& Require(const char* what) {
    auto& service = Installed<Service>();
    if (!service) throw std::logic_error(std::string("no ") + what + " service installed");
    return *service;
}

}  // namespace

std::unique_ptr<MessageBoxService> SetMessageBoxService(std::unique_ptr<MessageBoxService> s) {
    Installed<MessageBoxService>().swap(s);
    return s;
}

std::unique_ptr<FileDialogService> SetFileDialogService(std::unique_ptr<FileDialogService> s) {
    Installed<FileDialogService>().swap(s);
    return s;
}

std::unique_ptr<ColorDialogService> SetColorDialogService(std::unique_ptr<ColorDialogService> s) {
    Installed<ColorDialogService>().swap(s);
    return s;
}

int MessageBox(const std::string& text, const std::string& caption, unsigned flags, bool owned) {
    return Require<MessageBoxService>("message box").Show({text, caption, flags, owned});
}

bool FileDialog::Execute() {
    const auto chosen = Require<FileDialogService>("file dialog").Run(*this);
    if (!chosen) return false;
    fileName_ = *chosen;
    return true;
}

void FileDialog::RememberFolder() {
    folder_ = ExtractFilePath(fileName_);
}

bool ColorDialog::Execute() {
    const auto chosen = Require<ColorDialogService>("colour dialog").Pick(color_);
    if (!chosen) return false;
    color_ = *chosen;
    return true;
}

}  // namespace platform
