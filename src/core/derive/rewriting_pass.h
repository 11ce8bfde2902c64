#pragma once
// One parallel rewriting of a string: every symbol of the input is replaced
// by the successor of the first production that applies to it, or copied.
// Serves both the derivation steps and the homomorphism pass.

#include <array>
#include <cstdint>
#include <vector>

#include "core/derive/branch_ends.h"
#include "core/derive/context_buffer.h"
#include "core/derive/plain_rules.h"
#include "core/derive/prepared_production.h"
#include "core/derive/symbol_tally.h"

namespace sprig {

class InFile;
class Job;
class OutFile;
class RandomSource;

class RewritingPass {
public:
    // Plain symbols are settled by table, and right contexts that fail in
    // the next few bytes are seen to fail there, unless `searchAll` sends
    // every symbol through the production search and every right context
    // through the whole scan, which gives the same string.
    RewritingPass(const LSystem& system, RandomSource& random, Job& job, bool searchAll = false);

    // Rewrites the string of `in` (positioned after its header) into `out`.
    // symbolCount (0 when unknown) scales the progress. Returns kDone,
    // kOutOfMemory, kIoError or kStopped.
    [[nodiscard]] int run(InFile& in, OutFile& out, std::int64_t symbolCount);
    // The symbols written by run(), as ReadStringStatistics counts them;
    // nothing when the string's shape leaves the count to the reading.
    std::optional<std::int64_t> symbolsWritten() const { return tally_.count(); }

private:
    enum class Outcome { Applied, NotApplied, Failed };

    bool keepsContexts() const { return system_.maxLeftContextSymbols > 0 || system_.maxRightContextSymbols > 0; }

    bool rewritePlainSymbols(InFile& in, OutFile& out, std::int64_t& symbols, std::int64_t symbolCount);
    std::size_t copiedList(const char* p, const char* bufferEnd) const;
    [[nodiscard]] int rewriteSymbol(InFile& in, OutFile& out, const Symbol& s);
    Outcome tryProduction(InFile& in, OutFile& out, const PreparedProduction& p, const Symbol& s, float& draw,
                          float& sum);
    void bindLeft(const PreparedProduction& p, const Symbol& s);
    bool leftContextMatches(const PreparedProduction& p) const;
    bool probability(const PreparedProduction& p, float& value);
    void updateHistory(const Symbol& s, std::uint64_t position);
    void saveHistory(std::uint64_t position);
    void passBracket(char c, std::uint64_t position);
    void reportProgress(std::int64_t symbols, std::int64_t symbolCount);
    void tallySuccessor(const PreparedProduction& p);

    const LSystem& system_;
    RandomSource& random_;
    Job& job_;
    std::vector<PreparedProduction> productions_;
    std::array<std::vector<const PreparedProduction*>, 256> byPredecessor_;
    std::array<bool, 256> ignored_{};
    PlainRules plain_;
    bool searchAll_;
    ContextBuffer history_;
    ContextBuffer window_;
    BranchEnds branchEnds_;
    std::int64_t level_ = 0;  // "[" read so far less "]"
    std::vector<float> binding_;
    SymbolTally tally_;
    int lastPercent_ = -1;
};

}  // namespace sprig
