#include "shell/qt_user_prompt.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

#include "shell/message_box_kinds.h"

QString fromLatin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toLatin1(const QString& text)
{
    // Characters with no 8-bit form become "?", as the file can hold nothing else.
    QString copy = text;
    for (QChar& c : copy)
        if (c.unicode() > 0xFF)
            c = QLatin1Char('?');
    QByteArray bytes = copy.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

namespace {

QString filterOf(UserPrompt::FileFilter filter, bool opening)
{
    switch (filter) {
    case UserPrompt::FileFilter::WebPages: return QStringLiteral("Orvanta Web page (*.htm)");
    case UserPrompt::FileFilter::All: return QString();
    case UserPrompt::FileFilter::Workouts:
        return QStringLiteral("Workout files (*.fit *.FIT *.gpx *.GPX *.tcx *.TCX *.csv *.CSV);;All files (*)");
    default:
        return opening ? QStringLiteral("Orvanta Files (*.dat);;Orvanta Backups (*.bak)")
                       : QStringLiteral("Orvanta Files (*.dat)");
    }
}

QString startPath(const UserPrompt::FileQuestion& question)
{
    QString folder = QFile::decodeName(question.initialFolder.c_str());
    QString name = QFile::decodeName(question.proposedName.c_str());
    if (folder.isEmpty())
        return name;
    return name.isEmpty() ? folder : folder + QLatin1Char('/') + name;
}

}  // namespace

UserPrompt::Answer QtUserPrompt::message(const std::string& caption, const std::string& text, Icon icon,
                                         Buttons buttons, Answer defaultAnswer)
{
    QMessageBox box(iconOf(icon), fromLatin1(caption), fromLatin1(text), buttonsOf(buttons), m_owner);
    box.setDefaultButton(toButton(defaultAnswer));
    // A busy cursor must not hide that the program waits for an answer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    int result = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    switch (result) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::optional<std::string> QtUserPrompt::saveFileName(const FileQuestion& question)
{
    QString path = QFileDialog::getSaveFileName(m_owner, fromLatin1(question.title), startPath(question),
                                                filterOf(question.filter, false));
    if (path.isEmpty())
        return std::nullopt;
    return std::string(QFile::encodeName(path).constData());
}

std::optional<std::string> QtUserPrompt::openFileName(const FileQuestion& question)
{
    QString path = QFileDialog::getOpenFileName(m_owner, fromLatin1(question.title), startPath(question),
                                                filterOf(question.filter, true));
    if (path.isEmpty())
        return std::nullopt;
    return std::string(QFile::encodeName(path).constData());
}

std::vector<std::string> QtUserPrompt::openFileNames(const FileQuestion& question)
{
    const QStringList paths = QFileDialog::getOpenFileNames(m_owner, fromLatin1(question.title), startPath(question),
                                                            filterOf(question.filter, true));
    std::vector<std::string> out;
    for (const QString& path : paths)
        out.emplace_back(QFile::encodeName(path).constData());
    return out;
}

void QtUserPrompt::busy(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool QtUserPrompt::shiftHeld() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}
