#include "app/result_messages.h"

#include <string_view>

#include "platform/result_codes.h"

namespace sprig {

ResultMessage jobErrorMessage(int code, int errorRow)
{
    const std::string row = std::to_string(errorRow);
    switch (code) {
    case kOutOfMemory:
        return {"Chyba : nedostatok pamäte alebo syntaxtická chyba\nv súbore definujúcom L-systém",
                "Error: not enough memory or syntax error in L-system file"};
    case kIoError:
        return {"Chyba : I/O chyba alebo syntaxtická chyba v súbore\ndefinujúcom L-systém",
                "Error: I/O error or syntax error in L-system file"};
    case kSyntaxError:
        return {"Chyba : syntaxtická chyba v súbore\ndefinujúcom L-systém", "Error: syntax error in L-system file"};
    case kOptionsSyntaxError:
        return {"Chyba : Syntaxtická chyba v súbore nastavení na riadku " + row,
                "Error: syntax error in options file, row " + row};
    case kDefinitionLineError:
        return {"Chyba : Syntaxtická chyba v súbore\ndefinujúcom L-systém na riadku " + row,
                "Error: syntax error in L-system file, row " + row};
    default: return {std::to_string(code), "Error: error number " + std::to_string(code)};
    }
}

namespace {

// The definition readers' details, in English like the log.
struct DetailText {
    std::string_view slovak;
    const char* english;
};

constexpr DetailText kDetails[] = {
    {"Axiom musí obsahovať aspoň 1 symbol", "the axiom needs at least 1 symbol"},
    {"Za ignore musí nasledovať aspoň 1 symbol", "at least 1 symbol must follow ignore"},
    {"Za ignore môže nasledovať max. 99 symbolov", "at most 99 symbols may follow ignore"},
    {"Riadok musí obsahovať znak '='", "the line needs a '='"},
    {"Chýba číselná hodnota konštanty", "the constant has no value"},
    {"Chýba názov konštanty", "the constant has no name"},
    {"Za angle chýba číselná hodnota", "a number must follow angle"},
    {"Chybný zápis číselnej hodnoty", "the number is not written correctly"},
};

}  // namespace

std::string errorRowTip(const std::string& logLine, const std::string& problem)
{
    if (problem.empty()) return logLine;
    for (const DetailText& detail : kDetails)
        if (detail.slovak == problem) return logLine + ": " + detail.english;
    return logLine + ": " + problem;
}

ResultMessage drawErrorMessage(int drawResult)
{
    switch (drawResult) {
    case kOutOfMemory: return {"Chyba kreslenia : nedostatok pamate", "Error: not enough memory"};
    case kIoError: return {"Chyba kreslenia : I/O chyba", "Error: I/O error"};
    case kGraphicsError: return {"Chyba kreslenia : chyba grafiky", "Error: graphics error"};
    default: return {std::to_string(drawResult), "Error: error number " + std::to_string(drawResult)};
    }
}

ResultMessage saveErrorMessage(const std::string& path, const std::optional<FileFailure>& failure)
{
    const std::string reason = failure ? ": " + failure->reason : "";
    return {"Chyba : súbor sa nepodarilo uložiť\n" + path, "Error: file not saved: " + path + reason};
}

}  // namespace sprig
