#pragma once

#include <string>

// Saves a written report or page: the file is replaced whole or not at all. A failure leaves
// any previous file as it was and tells the user, naming the file; success says nothing.
bool SaveReportFile(const std::string& path, const std::string& bytes);
