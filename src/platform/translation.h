// Qt's own texts (the buttons of message boxes, the font dialog, the context menu of a text box)
// in Italian, whatever the system's language.
#pragma once

namespace platform {

// Installs Qt's Italian translation in the running application and makes Italian the default
// locale. Returns false when the translation cannot be found (Qt's texts then stay English).
// Calling it again changes nothing.
bool LoadItalianQtTranslation();

}  // namespace platform
