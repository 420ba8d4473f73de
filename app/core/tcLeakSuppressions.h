#pragma once
// Qt's platform plugins keep their screens, fonts and connections until the
// process ends; those are not ours to free. Sanitizer builds of the programs
// and tests hand this list to LeakSanitizer.
constexpr const char* kQtLeakSuppressions =
    "leak:libQt5Gui\nleak:libQt5Core\nleak:libQt5Widgets\nleak:libfontconfig\n"
    "leak:libqoffscreen\nleak:libqxcb\nleak:libxcb\nleak:libdbus\nleak:libX11\n"
    // A buffer of the X platform plugin, unloaded before exit; its frames then
    // resolve to the sanitizer runtime's module.
    "leak:libubsan\n";
