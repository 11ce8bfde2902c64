#include "ui/slovak_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

namespace sprig {

namespace {

struct OwnText {
    const char* context;
    const char* english;
    const char* slovak;
};

// Texts of Qt's dialogs that qtbase_sk has no translation for.
constexpr OwnText kOwnTexts[] = {
    {"QPlatformTheme", "Cancel", "Zrušiť"},
    {"QPlatformTheme", "&Yes", "&Áno"},
    {"QPlatformTheme", "&No", "&Nie"},
    {"QPlatformTheme", "Close", "Zavrieť"},
    {"QColorDialog", "&Pick Screen Color", "&Vybrať farbu z obrazovky"},
    {"QColorDialog", "Cursor at %1, %2\nPress ESC to cancel", "Kurzor na %1, %2\nEsc zruší výber"},
};

class SlovakTranslator final : public QTranslator {
public:
    explicit SlovakTranslator(QObject* parent) : QTranslator(parent) {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        QString shipped = QTranslator::translate(context, sourceText, disambiguation, n);
        if (!shipped.isNull() || !context || !sourceText) return shipped;
        for (const OwnText& text : kOwnTexts)
            if (std::strcmp(text.context, context) == 0 && std::strcmp(text.english, sourceText) == 0)
                return QString::fromUtf8(text.slovak);
        return {};
    }
};

}  // namespace

void installSlovakTranslation()
{
    auto* translator = new SlovakTranslator(QCoreApplication::instance());
    // Without the shipped file the table of our own still serves.
    static_cast<void>(translator->load("qtbase_sk", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(translator);
}

}  // namespace sprig
