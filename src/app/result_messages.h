#pragma once
// What the user is told about a failed job: one text for the error dialog
// and one English line for the information log, per result code.

#include <string>

namespace sprig {

struct ResultMessage {
    std::string dialog;  // may hold "\n" line breaks
    std::string logLine;
};

// For a job's result code other than 0 and 20; errorRow completes the texts
// of the two codes that name a row.
ResultMessage jobErrorMessage(int code, int errorRow);

// For a drawing result other than 0 and 20.
ResultMessage drawErrorMessage(int drawResult);

}  // namespace sprig
