#include "core/derive/rewriting_pass.h"

#include <algorithm>
#include <cmath>

#include "core/derive/right_context_scan.h"
#include "core/derive/settled_output.h"
#include "core/derive/string_file.h"
#include "platform/byte_file.h"
#include "platform/job.h"
#include "platform/random_source.h"

namespace sprig {

namespace {

// A value read from the string that lies beyond the float range (A(2^128))
// could only be copied as "inf" or "nan", which no later step can read.
bool finiteValues(const Symbol& s)
{
    return std::all_of(s.values.begin(), s.values.begin() + s.count, [](float v) { return std::isfinite(v); });
}

}  // namespace

RewritingPass::RewritingPass(const LSystem& system, RandomSource& random, Job& job, bool searchAll)
    : system_(system), random_(random), job_(job), searchAll_(searchAll)
{
    productions_.reserve(system.productions.size());
    for (const Production& rule : system.productions) productions_.push_back(prepareProduction(rule));
    for (const PreparedProduction& p : productions_)
        byPredecessor_[static_cast<unsigned char>(p.rule->predecessor)].push_back(&p);
    for (char c : system.ignoreSet) ignored_[static_cast<unsigned char>(c)] = true;
    if (!searchAll) plain_.prepare(byPredecessor_, ignored_, keepsContexts());
    history_.reset(system.maxLeftContextSymbols);
    window_.reset(system.maxRightContextSymbols);
}

int RewritingPass::run(InFile& in, OutFile& out, std::int64_t symbolCount)
{
    if (keepsContexts() && !branchEnds_.survey(in, job_)) return job_.stopRequested() ? kStopped : kIoError;
    Symbol s;
    for (std::int64_t symbols = 1;; ++symbols) {
        if (plain_.any() && !rewritePlainSymbols(in, out, symbols, symbolCount)) return kStopped;
        const int c = in.get();
        if (job_.stopRequested()) return kStopped;
        if (symbols % 100 == 0) reportProgress(symbols, symbolCount);
        if (c == kEof || c == '\n') break;
        s.symbol = static_cast<char>(c);
        level_ += (c == '[') - (c == ']');
        if (!readParameters(in, s, random_) || !finiteValues(s)) return kIoError;
        if (const int result = rewriteSymbol(in, out, s); result != kDone) return result;
        if (system_.maxLeftContextSymbols > 0) updateHistory(s, in.tell());
    }
    return in.failed() || out.failed() ? kIoError : kDone;
}

// The bytes of the parameter list after the settled symbol at p that is
// copied with it; 0 when the production search must read the list.
std::size_t RewritingPass::copiedList(const char* p, const char* bufferEnd) const
{
    if (!plain_.copiesLists(static_cast<unsigned char>(*p))) return 0;
    return verbatimListLength({p + 1, static_cast<std::size_t>(bufferEnd - p - 1)});
}

// Settles the plain symbols that stand in a row in the input's buffer, each
// counted, polled for a stop and reported as run() does, and copies the
// lists that they may copy. Ends before a symbol that takes the search, one
// whose parameter list the search must read and the last byte buffered, of
// which it cannot tell. False when stopped.
bool RewritingPass::rewritePlainSymbols(InFile& in, OutFile& out, std::int64_t& symbols, std::int64_t symbolCount)
{
    const std::string_view ahead = in.buffered();
    if (ahead.size() < 2 || !plain_.settles(static_cast<unsigned char>(ahead[0]))) return true;
    SettledOutput settled(out, plain_);
    std::int64_t nextReport = (symbols + 99) / 100 * 100;
    const char* p = ahead.data();
    const char* const bufferEnd = p + ahead.size();
    bool stopped = false;
    for (; p < bufferEnd - 1; ++p, ++symbols) {
        const auto c = static_cast<unsigned char>(*p);
        if (!plain_.settles(c)) break;
        std::size_t list = 0;
        if (p[1] == '(' && (list = copiedList(p, bufferEnd)) == 0) break;
        if (job_.stopRequested()) {
            stopped = true;
            break;
        }
        if (symbols == nextReport) {
            reportProgress(symbols, symbolCount);
            nextReport += 100;
        }
        if (plain_.movesBranch(c))
            passBracket(static_cast<char>(c), in.tell() + static_cast<std::uint64_t>(p + 1 - ahead.data()));
        if (list == 0) {
            settled.text(c);
            continue;
        }
        settled.withList(static_cast<char>(c), p + 1, list);
        p += list;
    }
    settled.finish(tally_);
    in.skip(static_cast<std::size_t>(p - ahead.data()));
    return !stopped;
}

void RewritingPass::reportProgress(std::int64_t symbols, std::int64_t symbolCount)
{
    if (symbolCount <= 0) return;
    const int percent = static_cast<int>(std::min<std::int64_t>(100, symbols * 100 / symbolCount));
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    job_.showProgress(ProgressBar::Rewriting, percent);
}

int RewritingPass::rewriteSymbol(InFile& in, OutFile& out, const Symbol& s)
{
    float draw = -1.0f;  // drawn at most once per symbol, on the first stochastic choice
    float sum = 0.0f;
    for (const PreparedProduction* p : byPredecessor_[static_cast<unsigned char>(s.symbol)]) {
        switch (tryProduction(in, out, *p, s, draw, sum)) {
        case Outcome::Applied: return kDone;
        case Outcome::Failed: return kIoError;
        case Outcome::NotApplied: break;
        }
    }
    WriteSymbol(out, s.symbol, s.values.data(), s.count);
    tally_.symbol(s.symbol, s.count);
    return kDone;
}

RewritingPass::Outcome RewritingPass::tryProduction(InFile& in, OutFile& out, const PreparedProduction& p,
                                                    const Symbol& s, float& draw, float& sum)
{
    const Production& rule = *p.rule;
    if (rule.predecessorParamCount != s.count || rule.leftSymbolCount > history_.count()) return Outcome::NotApplied;
    // A constant probability needs no binding, which then waits for the
    // left context to match.
    const bool bindFirst = !rule.probabilityIsConstant;
    if (bindFirst) bindLeft(p, s);
    float chance = 1.0f;
    if (!probability(p, chance)) return Outcome::Failed;
    if (!leftContextMatches(p)) return Outcome::NotApplied;
    if (!bindFirst) bindLeft(p, s);
    if (rule.rightSymbolCount > 0) {
        if (!searchAll_ && rightContextFailsAhead(in.buffered(), p, ignored_)) return Outcome::NotApplied;
        const std::uint64_t position = in.tell();
        RightContextScan scan{in, window_, ignored_, random_, branchEnds_, level_};
        const ScanResult found = scanRightContext(scan, p, binding_);
        if (!in.seek(position) || found == ScanResult::Failed) return Outcome::Failed;
        if (found == ScanResult::NotMatched) return Outcome::NotApplied;
    }
    if (rule.hasCondition) {
        const EvalResult holds = p.condition.evaluate(binding_.data(), random_);
        if (!holds.ok) return Outcome::Failed;
        if (holds.value == 0.0f) return Outcome::NotApplied;
    }
    if (chance < 1.0f) {
        if (draw < 0.0f) draw = static_cast<float>((random_.next() % 100) * 0.01);
        const bool chosen = draw < sum + chance;
        sum += chance;
        if (!chosen) return Outcome::NotApplied;
    }
    if (p.erases) return Outcome::Applied;
    if (!writeSuccessor(p, binding_.data(), random_, out)) return Outcome::Failed;
    tallySuccessor(p);
    return Outcome::Applied;
}

// Literal successor text holds no "(" and no newline: every "(" of a
// successor opens a computed list.
void RewritingPass::tallySuccessor(const PreparedProduction& p)
{
    for (const SuccessorPiece& piece : p.successor) {
        tally_.symbols(static_cast<std::int64_t>(piece.literal.size()));
        if (piece.hasList) tally_.list();
    }
}

// Binding starts with the symbol's own values, followed by those of the
// nearest history entries, nearest first.
void RewritingPass::bindLeft(const PreparedProduction& p, const Symbol& s)
{
    binding_.assign(s.values.begin(), s.values.begin() + s.count);
    for (int k = 0; k < p.rule->leftSymbolCount; ++k) {
        const HeldSymbol e = history_.nearest(k);
        binding_.insert(binding_.end(), e.values, e.values + e.count);
    }
}

bool RewritingPass::probability(const PreparedProduction& p, float& value)
{
    const Production& rule = *p.rule;
    if (rule.probabilityIsConstant) {
        value = rule.probability;
        return true;
    }
    EvalResult r = p.probabilityAlone.evaluate(nullptr, random_);
    if (!r.ok) {
        if (rule.formalParamCount != static_cast<int>(binding_.size())) {
            value = 0.0f;
            return true;
        }
        r = p.probabilityBound.evaluate(binding_.data(), random_);
        if (!r.ok) return false;
    }
    value = r.value;
    return true;
}

bool RewritingPass::leftContextMatches(const PreparedProduction& p) const
{
    const int n = p.rule->leftSymbolCount;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(n - 1 - k);
        const HeldSymbol e = history_.nearest(k);
        if (e.symbol != p.rule->leftSymbols[i][0] || e.count != p.leftParamCounts[i]) return false;
    }
    return true;
}

// The history saved at a "[" comes back at the "]" that closes its branch.
void RewritingPass::updateHistory(const Symbol& s, std::uint64_t position)
{
    if (s.symbol == ']') history_.pop();
    if (!ignored_[static_cast<unsigned char>(s.symbol)]) history_.shiftIn(s);
    if (s.symbol == '[') saveHistory(position);
}

// A settled bracket, which ends before `position`: the pass enters or
// leaves a branch.
void RewritingPass::passBracket(char c, std::uint64_t position)
{
    level_ += c == '[' ? 1 : -1;
    if (system_.maxLeftContextSymbols == 0) return;
    if (c == ']') history_.pop();
    else saveHistory(position);
}

// At a "[" that ends before `position`; for a branch that never closes
// there is nothing to save.
void RewritingPass::saveHistory(std::uint64_t position)
{
    if (!branchEnds_.neverCloses(position, level_)) history_.push();
}

}  // namespace sprig
