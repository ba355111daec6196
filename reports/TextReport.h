#pragma once

#include <string>

#include "core/DataFile.h"
#include "reports/ReportContent.h"

// The grade report as plain text in code page 1250, the file's exact bytes: every line ends
// with CR LF, the document's texts go out as stored (a line break inside one stays one line
// break). Empty when all three groups are off. The document is only read.
std::string WriteTextReport(TDataFile& document, const TReportContent& content);
