// Both programs speak Brazilian Portuguese whatever the machine's language:
// dates, times and numbers in its formats, and Qt's own dialogs and buttons
// (printing, page setup, files, fonts, the message boxes' Yes, No, OK and
// Cancel) in its words, from the translations installed with Qt.
#pragma once

#include <QLocale>

namespace platform {

// Brazilian Portuguese.
QLocale Portugues();

// Makes Portugues() the default locale and installs Qt's translations for it
// on the application object (once per application object; calling again
// does nothing more).  Without an application object only the locale is set.
// A translation file the machine lacks leaves those texts as Qt has them; the
// program runs on.
void UsaPortugues();

}  // namespace platform
