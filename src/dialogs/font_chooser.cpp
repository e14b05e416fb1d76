#include "font_chooser.h"

#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <cmath>

QString QtFontChooser::installedFace(const QString& face)
{
    return QFontInfo(QFont(face)).family();
}

void QtFontChooser::prepare(QFontDialog& dialog, const FontRequest& request)
{
    QFontDialog::FontDialogOptions options = QFontDialog::DontUseNativeDialog;
    if (request.fixedPitchOnly)
        options |= QFontDialog::MonospacedFonts;
    dialog.setOptions(options);
    // The chooser's list holds installed faces only: it starts on the face
    // the request is drawn in.
    QFont start(installedFace(request.face));
    if (request.pointSize > 0)
        start.setPointSize(request.pointSize);
    dialog.setCurrentFont(start);
    // The face is kept by name alone; a script choice would not be kept.
    for (QComboBox* script : dialog.findChildren<QComboBox*>()) {
        script->hide();
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy() == script)
                label->hide();
    }
}

QString QtFontChooser::keptFace(const QFont& chosen, const FontRequest& request)
{
    const QString family = chosen.family();
    if (!request.face.isEmpty() && family.compare(installedFace(request.face), Qt::CaseInsensitive) == 0)
        return request.face;
    return family;
}

std::optional<ChosenFont> QtFontChooser::choose(QWidget* owner, const FontRequest& request)
{
    QFontDialog dialog(owner);
    prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return ChosenFont{keptFace(chosen, request), static_cast<int>(std::lround(chosen.pointSizeF() * 10))};
}
