#pragma once

#include <QFont>

// The fonts of the program's own windows. The face "Ariel" is requested as
// it always was; a substitution maps it (and "Arial", "Courier New") onto
// installed metric twins so the pixel layout holds.
struct ShellFonts {
    QFont tabFont;    // 14 px bold "Ariel": tab strip, push-like radio buttons, headings
    QFont smallFont;  // 14 px "Ariel"
    QFont listFont;   // 16 px "Courier New": the entry and totals lists
    QFont pageFont;   // 16 px bold "Ariel": the form controls

    static ShellFonts create();
    // Registers the face substitutions; call once after the application exists.
    static void installSubstitutions();
};
