#include "reports/ReportSettings.h"

#include <functional>

#include "platform/ByteStream.h"
#include "platform/FileStart.h"
#include "platform/Files.h"

namespace {

// The bytes each file holds; a larger file is read for these only, however large it is.
constexpr std::size_t kReportTXTSettingsSize = kContentBoxes;
constexpr std::size_t kReportHTMLSettingsSize = kContentBoxes + 1 + 6 * sizeof(TColor);

void WriteContent(platform::ByteWriter& out, const TReportContent& content) {
    for (int i = 0; i < kContentBoxes; ++i)
        out.WriteU8(content.Checked(static_cast<ContentBox>(i)) ? 1 : 0);
}

void WriteHTMLOptions(platform::ByteWriter& out, const TReportHTMLOptions& options) {
    WriteContent(out, options.Content);
    out.WriteU8(options.Border ? 1 : 0);
    for (const TColor color :
         {options.BackgroundColor, options.TextColor, options.HeaderBackgroundColor,
          options.HeaderTextColor, options.HeaderFrameColor, options.BorderColor})
        out.WriteU32(color);
}

// False once the data ran out.
bool ReadContent(platform::ByteReader& in, TReportContent& content) {
    for (int i = 0; i < kContentBoxes; ++i) {
        std::uint8_t byte = 0;
        if (!in.ReadU8(byte)) return false;
        content.SetChecked(static_cast<ContentBox>(i), byte != 0);
    }
    return true;
}

std::vector<std::uint8_t> Collect(const std::function<void(platform::ByteWriter&)>& write) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    write(out);
    return std::move(sink.bytes);
}

}  // namespace

std::string ReportHTMLSettingsPath() {
    return platform::ProgramDirectory() + "RaportHTML.dat";
}

std::string ReportTXTSettingsPath() {
    return platform::ProgramDirectory() + "RaportTXT.dat";
}

std::vector<std::uint8_t> ReportHTMLSettingsBytes(const TReportHTMLOptions& options) {
    return Collect([&](platform::ByteWriter& out) { WriteHTMLOptions(out, options); });
}

std::vector<std::uint8_t> ReportTXTSettingsBytes(const TReportContent& content) {
    return Collect([&](platform::ByteWriter& out) { WriteContent(out, content); });
}

void ApplyReportHTMLSettings(std::span<const std::uint8_t> bytes, TReportHTMLOptions& options) {
    platform::ByteReader in(bytes);
    if (!ReadContent(in, options.Content)) return;
    std::uint8_t border = 0;
    if (!in.ReadU8(border)) return;
    options.Border = border != 0;
    for (TColor* color :
         {&options.BackgroundColor, &options.TextColor, &options.HeaderBackgroundColor,
          &options.HeaderTextColor, &options.HeaderFrameColor, &options.BorderColor})
        if (!in.ReadU32(*color)) return;
}

void ApplyReportTXTSettings(std::span<const std::uint8_t> bytes, TReportContent& content) {
    platform::ByteReader in(bytes);
    ReadContent(in, content);
}

std::int32_t LoadReportHTMLSettings(const std::string& path, TReportHTMLOptions& options) {
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path, kReportHTMLSettingsSize, bytes)) return -1;
    ApplyReportHTMLSettings(bytes, options);
    return 0;
}

std::int32_t LoadReportTXTSettings(const std::string& path, TReportContent& content) {
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path, kReportTXTSettingsSize, bytes)) return -1;
    ApplyReportTXTSettings(bytes, content);
    return 0;
}

std::int32_t SaveReportHTMLSettings(const std::string& path, const TReportHTMLOptions& options) {
    const bool saved = platform::SaveFileAtomically(
        path, [&](platform::ByteWriter& out) { WriteHTMLOptions(out, options); });
    return saved ? 0 : -1;
}

std::int32_t SaveReportTXTSettings(const std::string& path, const TReportContent& content) {
    const bool saved = platform::SaveFileAtomically(
        path, [&](platform::ByteWriter& out) { WriteContent(out, content); });
    return saved ? 0 : -1;
}
