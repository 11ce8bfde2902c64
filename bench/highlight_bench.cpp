// Colouring a definition of 10,000 lines as the definition view does when
// it is loaded, beside loading the same text into a view's document with no
// colouring, in the same run.

#include <QApplication>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>
#include <chrono>
#include <string>

#include "figure_reporter.h"
#include "ui/line_highlighter.h"

namespace {

using namespace sprig;

constexpr int kLines = 10'000;

// The widgets need an application, and without a display its off-screen
// platform.
void ensureApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "highlight_bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

// Every kind of line, repeated: comments, keywords, rules with contexts,
// parameters, conditions and probabilities, and lines a reader refuses.
QString definitionText()
{
    static constexpr const char* kBlock[] = {
        "// a tree that branches in three",
        "angle 22.5",
        "define R = 1.456",
        "default U(1.67,7)",
        "axiom !(1)F(200)/(45)A",
        "#A : * -> !(0.577)'[&F(50)A]/(94.74)[&F(50)A]/(132.63)[&F(50)A]",
        "#F(l) -> F(l*R)",
        "#Q(i)M(k,l)O < p(a) > L(b,c)VW(d) : a<k*2+l-c -> (0.9) A(i)M(k+1,l,c)",
        "#b(x) : x<2 -> (0.5) c[+F(x)]-G(x/2)",
        "ignore",
    };
    QString text;
    for (int row = 0; row < kLines; ++row) text += QString::fromLatin1(kBlock[row % std::size(kBlock)]) + '\n';
    return text;
}

double loadMs(const QString& text, bool coloured)
{
    QTextDocument document;
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    if (coloured) new LineHighlighter(&document, LineLanguage::Definition);
    const auto start = std::chrono::steady_clock::now();
    document.setPlainText(text);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void BM_ColourDefinition(benchmark::State& state)
{
    ensureApplication();
    const QString text = definitionText();
    double plain = 0.0;
    double coloured = 0.0;
    for (auto _ : state) {
        plain += loadMs(text, false);
        coloured += loadMs(text, true);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["plain_load_ms"] = plain / runs;
    state.counters["coloured_load_ms"] = coloured / runs;
    state.counters["ratio_to_plain_load"] = coloured / plain;
}
BENCHMARK(BM_ColourDefinition)->Unit(benchmark::kMillisecond);

}  // namespace

SPRIG_BENCHMARK_MAIN();
