#include "reports/ReportFile.h"

#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

bool SaveReportFile(const std::string& path, const std::string& bytes) {
    const bool saved = platform::SaveFileAtomically(
        path, [&bytes](platform::ByteWriter& out) { out.WriteBytes(bytes.data(), bytes.size()); });
    if (!saved)
        platform::MessageBox(std::string(kSaveFailedMessage) + "\n" + path + BackupsNote(path),
                             kDocumentCaption, platform::mb::Ok | platform::mb::IconStop);
    return saved;
}
