#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>

// The dialogs keep the layout they were drawn in: dialog units of the old
// 16-pixel "System" font, two pixels a unit across and down. A 13-pixel bold
// Arial (its metric twin where Arial is missing) fills the same boxes.
inline constexpr int kPixelsPerDialogUnit = 2;

inline QFont dialogFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// Places a control at a rectangle in dialog units and names it "ctl<id>"
// (the tests find controls by these names); id 0 leaves it unnamed.
inline void placeControl(QWidget* control, int id, int x, int y, int width, int height)
{
    control->setGeometry(x * kPixelsPerDialogUnit, y * kPixelsPerDialogUnit, width * kPixelsPerDialogUnit,
                         height * kPixelsPerDialogUnit);
    if (id != 0)
        control->setObjectName(QStringLiteral("ctl%1").arg(id));
}

// One control of a dialog's table: its id (0 for none), text and rectangle in dialog units.
struct ControlPlace {
    int id;
    const char* text;
    int x, y, width, height;
};

inline void placeControl(QWidget* control, const ControlPlace& place)
{
    placeControl(control, place.id, place.x, place.y, place.width, place.height);
}

// Gives a dialog its title, font and fixed size in dialog units.
inline void setUpDialog(QDialog* dialog, const char* title, int width, int height)
{
    dialog->setWindowTitle(QString::fromLatin1(title));
    dialog->setFont(dialogFont());
    dialog->setFixedSize(width * kPixelsPerDialogUnit, height * kPixelsPerDialogUnit);
}

// The log's texts are 8-bit bytes; the dialogs show them as Latin-1, and a
// character with no Latin-1 form comes back as "?".
inline QString latin1Text(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string latin1Bytes(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
