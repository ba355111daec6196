#include "platform/qt/QtFileDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <algorithm>
#include <vector>

namespace platform {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Icons and types told from a file's name and kind alone. Qt's own provider reads the first
// bytes of a file whose name does not tell its type, and a read that never ends (/proc/kmsg),
// or a slow network folder, then holds the dialog up for good.
class NameOnlyIconProvider final : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override {
        if (info.isRoot()) return icon(Drive);
        return icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override {
        // Other kinds are told from what the folder listing says of them.
        if (!info.isFile()) return QFileIconProvider::type(info);
        const QMimeType mime =
            QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }
};

// A file dialog that, where it asks before replacing a file, asks about the file the save
// will replace: a name typed without an extension gets the default one, and Qt would ask
// about the name as typed.
class FileDialogBox final : public QFileDialog {
  public:
    FileDialogBox(QWidget* parent, const FileDialog& dialog)
        : QFileDialog(parent), dialog_(dialog) {}

  protected:
    void accept() override {
        const QStringList chosen = selectedFiles();
        if (dialog_.AsksBeforeReplacing() && chosen.size() == 1 &&
            !QFileInfo(chosen.front()).isDir()) {
            const QString saved = QString::fromStdString(
                WithDefaultExtension(chosen.front().toStdString(), dialog_.DefaultExt()));
            if (saved != chosen.front()) {
                if (!QFileInfo::exists(saved) || ReplaceConfirmed(saved)) QDialog::accept();
                return;
            }
        }
        QFileDialog::accept();
    }

  private:
    // Qt's own question, in the words (and language) it asks it in.
    bool ReplaceConfirmed(const QString& path) {
        const QString question =
            QCoreApplication::translate("QFileDialog",
                                        "%1 already exists.\nDo you want to replace it?")
                .arg(QFileInfo(path).fileName());
        return QMessageBox::warning(this, windowTitle(), question,
                                    QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No) == QMessageBox::Yes;
    }

    const FileDialog& dialog_;
};

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
    // Made before the dialog: its file model asks the provider until it is gone.
    NameOnlyIconProvider icons;
    FileDialogBox box(QApplication::activeWindow(), dialog);
    // The desktop's own dialog would choose its icons and word its questions itself.
    box.setOption(QFileDialog::DontUseNativeDialog, true);
    box.setIconProvider(&icons);
    const bool save = dialog.Kind() == FileDialogKind::Save;
    box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.AsksBeforeReplacing());
    box.setNameFilter(QString::fromStdString(QtNameFilters(dialog.Filter())));
    if (!dialog.Folder().empty()) box.setDirectory(QString::fromStdString(dialog.Folder()));
    // The name chosen last is offered again, in the folder the dialog opens in.
    if (!dialog.FileName().empty())
        box.selectFile(QFileInfo(QString::fromStdString(dialog.FileName())).fileName());
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;

    const std::string chosen = box.selectedFiles().constFirst().toStdString();
    return save ? WithDefaultExtension(chosen, dialog.DefaultExt()) : chosen;
}

}  // namespace platform
