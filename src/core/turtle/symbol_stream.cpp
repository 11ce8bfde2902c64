#include "core/turtle/symbol_stream.h"

namespace sprig {

void PassProgress::report()
{
    std::int64_t percent = read_ * 100 / total_;
    if (percent > 100) percent = 100;
    job_.showProgress(ProgressBar::Interpretation, static_cast<int>(percent));
}

Result SymbolStream::open(const std::string& fileName, float defaultAngle)
{
    fileName_ = fileName;
    if (!file_.open(fileName)) return ioResult(kIoError);
    const int result = reader_.readHeader(defaultAngle, angle_);
    if (result != kDone) file_.close();
    return ioResult(result);
}

}  // namespace sprig
