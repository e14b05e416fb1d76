#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QFontDialog;
class QWidget;

// What the font chooser starts from and which faces it offers.
struct FontRequest {
    QString face;
    int pointSize = 0;
    bool fixedPitchOnly = false;  // only fixed-pitch faces (the printing font)
};

// A confirmed choice: the face and the size in tenths of a point.
struct ChosenFont {
    QString face;
    int tenthsOfPoint = 0;
};

// The font chooser, asked through one interface so that the Fonts dialog's
// tests can answer it.
class FontChooser {
public:
    virtual ~FontChooser() = default;
    // The confirmed choice, or nothing when the person cancels.
    virtual std::optional<ChosenFont> choose(QWidget* owner, const FontRequest& request) = 0;
};

// The real chooser: Qt's own font dialog (never a native one, so that the
// fixed-pitch rule holds on every desktop).
class QtFontChooser : public FontChooser {
public:
    std::optional<ChosenFont> choose(QWidget* owner, const FontRequest& request) override;

    // Prepares a chooser for a request: the faces offered, the start face
    // and size, and no script choice.
    static void prepare(QFontDialog& dialog, const FontRequest& request);
    // The installed face a requested face is drawn in ("Courier New" is
    // drawn in its metric twin where it is not installed).
    static QString installedFace(const QString& face);
    // The face to keep for a confirmed font: the requested name while the
    // person stays on the face it is drawn in, so that "Courier New" stays
    // "Courier New" rather than becoming its stand-in's name.
    static QString keptFace(const QFont& chosen, const FontRequest& request);
};
