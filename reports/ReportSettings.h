#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Types.h"
#include "reports/ReportContent.h"

// The options of the HTML grade report: its content and its look. A new record holds the
// defaults.
struct TReportHTMLOptions {
    TReportContent Content;
    bool Border = true;
    TColor BackgroundColor = 0xFFFFFF;
    TColor TextColor = 0x000000;
    TColor HeaderBackgroundColor = 0x800000;
    TColor HeaderTextColor = 0xFFFFFF;
    TColor HeaderFrameColor = 0x000000;
    TColor BorderColor = 0x000000;

    void SetDefaults() { *this = TReportHTMLOptions{}; }
    bool operator==(const TReportHTMLOptions&) const = default;
};

// The settings files beside the program. They have no header: a box is one byte (1 or 0 when
// written, any non-zero byte checks it when read), a colour its 32 bits, little-endian.
// "RaportHTML.dat" holds the 15 content boxes, the border box and six colours (40 bytes);
// "RaportTXT.dat" the 15 content boxes alone.
std::string ReportHTMLSettingsPath();
std::string ReportTXTSettingsPath();

std::vector<std::uint8_t> ReportHTMLSettingsBytes(const TReportHTMLOptions& options);
std::vector<std::uint8_t> ReportTXTSettingsBytes(const TReportContent& content);

// Apply the bytes in file order, each box through its click rule, so a group byte that
// switches its group sets the group's sub-items before their own bytes are read. Whatever a
// short file does not hold whole keeps its state; bytes after the last field are ignored.
void ApplyReportHTMLSettings(std::span<const std::uint8_t> bytes, TReportHTMLOptions& options);
void ApplyReportTXTSettings(std::span<const std::uint8_t> bytes, TReportContent& content);

// 0, or -1 (nothing changed) when the file cannot be read.
std::int32_t LoadReportHTMLSettings(const std::string& path, TReportHTMLOptions& options);
std::int32_t LoadReportTXTSettings(const std::string& path, TReportContent& content);
// Atomic saves: 0, or -1 with any previous file left as it was.
std::int32_t SaveReportHTMLSettings(const std::string& path, const TReportHTMLOptions& options);
std::int32_t SaveReportTXTSettings(const std::string& path, const TReportContent& content);
