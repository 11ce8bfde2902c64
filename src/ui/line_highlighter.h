#pragma once
// Colours the lines of the definition or the options view as their readers
// read them. It sets formats only: the text keeps every character.

#include <QSyntaxHighlighter>
#include <string>

namespace sprig {

enum class LineLanguage { Definition, Options };

class LineHighlighter final : public QSyntaxHighlighter {
public:
    LineHighlighter(QTextDocument* document, LineLanguage language);

protected:
    void highlightBlock(const QString& text) override;

private:
    void highlightDefinition(const std::string& line);
    void highlightOptions(const std::string& line);
    void setRun(std::size_t start, std::size_t end, const QTextCharFormat* format);

    LineLanguage language_;
};

}  // namespace sprig
