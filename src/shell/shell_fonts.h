#pragma once

#include <QFont>

// The fonts of the program's own windows. The face "Ariel" is requested as
// it always was; a substitution maps it (and "Arial", "Courier New") onto
// installed metric twins so the pixel layout holds. Their sizes are cell
// heights (ascent and descent, what a line of text takes), as the layout's
// pixels assume them, not em sizes, which come out about 15 % larger.
struct ShellFonts {
    QFont tabFont;    // 14 px cell, bold "Ariel": tab strip, push-like radio buttons, headings
    QFont smallFont;  // 14 px cell "Ariel"
    QFont listFont;   // 16 px cell "Courier New": the entry and totals lists
    QFont pageFont;   // 16 px cell, bold "Ariel": the form controls

    static ShellFonts create();
    // The face at the largest pixel size whose cell fits cellHeight, with
    // whole-pixel advances.
    static QFont atCellHeight(QFont font, int cellHeight);
    // Registers the face substitutions; call once after the application exists.
    static void installSubstitutions();
};
