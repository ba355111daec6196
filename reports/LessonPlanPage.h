#pragma once

#include <string>

#include "core/Records.h"
#include "reports/LessonPlanOptions.h"

// The lesson plan as one HTML page in code page 1250, the file's exact bytes (CR LF line ends,
// one after the last line too): a header row of the chosen days and a row of their lessons,
// with the optional extra first column. Every text is escaped, so it shows as typed.
std::string WriteLessonPlanPage(const TLessonPlan& plan, const TLessonPlanHTMLOptions& options);
