#pragma once
// Qt's own texts in Slovak, as the program's own are: the buttons, titles
// and labels of the file, colour and message dialogs.

namespace sprig {

// Installs the translation for the application's lifetime: the one Qt
// ships (qtbase_sk), and for the few texts it leaves in English a table of
// our own, which also serves alone when the shipped file is missing.
void installSlovakTranslation();

}  // namespace sprig
