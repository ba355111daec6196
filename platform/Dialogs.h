#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace platform {

// Message box flags and answers, with the values of the Windows message box the program's
// texts were written for (0x24 = Yes/No with a question icon, and so on).
namespace mb {
inline constexpr unsigned Ok = 0x00;
inline constexpr unsigned YesNoCancel = 0x03;
inline constexpr unsigned YesNo = 0x04;
inline constexpr unsigned IconStop = 0x10;
inline constexpr unsigned IconQuestion = 0x20;
inline constexpr unsigned IconWarning = 0x30;
inline constexpr unsigned ButtonsMask = 0x0F;
inline constexpr unsigned IconMask = 0xF0;
}  // namespace mb

namespace answer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace answer

struct MessageRequest {
    std::string text;
    std::string caption;
    unsigned flags = mb::Ok;
    // False for a box with no owner window (the save question); true for a box over the
    // active window.
    bool owned = true;
};

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    // Shows the box modally and returns the answer (answer::Yes, ...).
    virtual int Show(const MessageRequest& request) = 0;
};

enum class FileDialogKind { Open, Save };

// What a save dialog does when the user chooses a file that exists: a document is not
// replaced without a question, a written report or page is.
enum class ExistingFile { Replace, AskFirst };

class FileDialog;

class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> Run(const FileDialog& dialog) = 0;
};

class ColorDialogService {
  public:
    virtual ~ColorDialogService() = default;
    // Opens on `initial`; the chosen colour, or nothing when the user cancelled.
    virtual std::optional<TColor> Pick(TColor initial) = 0;
};

// The windows and the document never talk to the desktop directly: they go through these
// services, which the program fills with Qt dialogs and tests with scripted answers.
// Each setter returns the service it replaced.
std::unique_ptr<MessageBoxService> SetMessageBoxService(std::unique_ptr<MessageBoxService> s);
std::unique_ptr<FileDialogService> SetFileDialogService(std::unique_ptr<FileDialogService> s);
std::unique_ptr<ColorDialogService> SetColorDialogService(std::unique_ptr<ColorDialogService> s);

// Shows a message box through the installed service.
int MessageBox(const std::string& text, const std::string& caption, unsigned flags,
               bool owned = true);

// An open or save dialog: its filter ("Opis|*.ext"), default extension (".ext"), whether it
// asks before replacing a file, the path chosen last and the folder it opens in. Each run
// offers again the name of the file chosen last, for as long as the dialog lives.
class FileDialog {
  public:
    FileDialog(FileDialogKind kind, std::string filter, std::string defaultExt,
               ExistingFile existing = ExistingFile::Replace)
        : kind_(kind),
          filter_(std::move(filter)),
          defaultExt_(std::move(defaultExt)),
          existing_(existing) {}

    // Runs the dialog; true when the user chose a file, whose path FileName() then holds.
    bool Execute();
    // Makes the folder of the chosen file the one the next run opens in. Called once a save
    // or open there succeeded: a folder where one failed (say /proc) is not gone back to.
    void RememberFolder();

    FileDialogKind Kind() const { return kind_; }
    const std::string& Filter() const { return filter_; }
    const std::string& DefaultExt() const { return defaultExt_; }
    bool AsksBeforeReplacing() const { return existing_ == ExistingFile::AskFirst; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }
    // Empty until a folder was remembered: the dialog then opens where the system puts it.
    const std::string& Folder() const { return folder_; }

  private:
    FileDialogKind kind_;
    std::string filter_;
    std::string defaultExt_;
    ExistingFile existing_;
    std::string fileName_;
    std::string folder_;
};

// A colour dialog. The program never presets it, so each run opens on the colour last
// confirmed in it (black the first time).
class ColorDialog {
  public:
    bool Execute();
    TColor Color() const { return color_; }

  private:
    TColor color_ = 0;
};

}  // namespace platform
