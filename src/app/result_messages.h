#pragma once
// What the user is told about a failed job: one text for the error dialog
// and one English line for the information log, per result code.

#include <optional>
#include <string>

#include "platform/result.h"

namespace sprig {

struct ResultMessage {
    std::string dialog;  // may hold "\n" line breaks
    std::string logLine;
};

// For a job's result code other than kDone and kStopped; errorRow completes the texts
// of the two codes that name a row.
ResultMessage jobErrorMessage(int code, int errorRow);

// The tool tip of the row a syntax error names: the log line, then what the
// reader found wrong in the row, in English, when it says.
std::string errorRowTip(const std::string& logLine, const std::string& problem);

// For a drawing result other than kDone and kStopped.
ResultMessage drawErrorMessage(int drawResult);

// For a file that could not be saved, with the system's reason when known.
ResultMessage saveErrorMessage(const std::string& path, const std::optional<FileFailure>& failure);

}  // namespace sprig
