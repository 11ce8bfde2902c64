#pragma once
// The result codes every stage returns. Only the step driver and the batch
// command turn a code into a message; everything else passes codes on.

namespace sprig {

inline constexpr int kDone = 0;
inline constexpr int kOutOfMemory = 1;
// An input or output failure, or a string or expression that cannot be
// read or evaluated.
inline constexpr int kIoError = 2;
// A drawing result only: nothing to draw on, or the picture cannot be made.
inline constexpr int kGraphicsError = 3;
inline constexpr int kSyntaxError = 4;
inline constexpr int kStopped = 20;
// The batch command's command line cannot be used.
inline constexpr int kUsageError = 64;
// The batch command exits with this plus the drawing result when a drawing fails.
inline constexpr int kDrawingFailureBase = 100;
// A syntax error in the definition line at ErrorRow.
inline constexpr int kDefinitionLineError = 111;
// A syntax error in the options line at ErrorRow.
inline constexpr int kOptionsSyntaxError = 155;

}  // namespace sprig
