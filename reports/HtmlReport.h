#pragma once

#include <string>

#include "core/DataFile.h"
#include "reports/ReportSettings.h"

// The grade report as one HTML page in code page 1250, the file's exact bytes (CR LF line
// ends, no line break after the closing "</html>"). Every document text is escaped, so it
// shows as typed. The document is only read.
std::string WriteHtmlReport(TDataFile& document, const TReportHTMLOptions& options);
