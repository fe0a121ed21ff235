#pragma once

#include <QString>

// A help topic: the title and the text a help button puts into a fresh help window.
// The text is paragraphs separated by one empty line (CR LF twice).
struct HelpTopic {
    QString title;
    QString text;
};

namespace HelpTopics {
// The launcher's imgGuida: the program as a whole.
HelpTopic launcher();
// The vehicle card's cmdGuida.
HelpTopic card();
// The export window's cmdGuida.
HelpTopic exportWindow();
// The import window's imgGuida: saving a sheet as CSV, and what the import does with it.
HelpTopic importWindow();
// The deadline menu's imgGuida.
HelpTopic deadlineMenu();
} // namespace HelpTopics
