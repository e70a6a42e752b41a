#pragma once

class QCoreApplication;

// Installs the program's texts and Qt's own (standard buttons, context menus) in the first
// language of the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that has them. The
// texts are written in English, so English anywhere in that list stops the search.
void installTranslations(QCoreApplication &app);
