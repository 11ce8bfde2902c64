#pragma once
// The batch command's work: open a definition and press forward step after
// step, logging what the information view would show.

#include <string>
#include <vector>

#include "cli/batch_arguments.h"
#include "cli/batch_drawing.h"
#include "core/lsystem/lsystem.h"
#include "settings/settings.h"

namespace sprig {

class Job;
class RandomSource;

struct BatchOutcome {
    int code = 0;
    int errorRow = 0;
};

class BatchRun {
public:
    BatchRun(const BatchArguments& arguments, Job& job, RandomSource& random);

    BatchOutcome run();

private:
    int open();
    int forward();
    int showStatistics(const std::string& shownFile);
    int drawStep(const std::string& stepFile);
    int derive(bool homomorphismSwitch);
    void deleteCreatedFiles();

    const BatchArguments& arguments_;
    Job& job_;
    RandomSource& random_;
    Settings settings_;
    ParseReport report_;
    std::vector<std::string> definitionLines_;
    std::vector<std::string> optionsLines_;
    std::vector<std::string> createdFiles_;
    int stepsDone_ = 0;
    std::int64_t symbolCount_ = 0;
    BatchDrawing drawing_;
};

}  // namespace sprig
