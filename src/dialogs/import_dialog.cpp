#include "dialogs/import_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "import/import_messages.h"
#include "shell/qt_user_prompt.h"

namespace {

enum PreviewColumn { ColAdd, ColDate, ColSport, ColDistance, ColTime, ColPace, ColRoute, ColFile, ColStatus, ColCount };

constexpr const char* kPreviewHeaders[ColCount] = {"Add",  "Date",          "Sport", "Distance", "Time",
                                                   "Pace", "Route/Workout", "File",  "Status"};

QTableWidgetItem* textItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString isoDate(const CivilTime& t)
{
    return QStringLiteral("%1-%2-%3")
        .arg(t.year, 4, 10, QLatin1Char('0'))
        .arg(t.month, 2, 10, QLatin1Char('0'))
        .arg(t.day, 2, 10, QLatin1Char('0'));
}

}  // namespace

const char* importVerdictText(ImportVerdict verdict)
{
    switch (verdict) {
        case ImportVerdict::Add:
            return importmsg::kReasonAdd;
        case ImportVerdict::Duplicate:
            return importmsg::kReasonDuplicate;
        case ImportVerdict::UnknownSport:
            return importmsg::kReasonUnknownSport;
        case ImportVerdict::OutsideDates:
            return importmsg::kReasonOutsideDates;
        case ImportVerdict::NothingToSave:
            return importmsg::kReasonNothing;
        case ImportVerdict::LogFull:
            return importmsg::kReasonLogFull;
    }
    return "";
}

ImportSportDialog::ImportSportDialog(const LogStore& store, const std::string& workoutSport, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(kImportSportTitle));
    auto* layout = new QVBoxLayout(this);
    const std::string shown = workoutSport.empty() ? importmsg::kNoSportGiven : workoutSport;
    QString question = QString::fromLatin1(importmsg::kUnknownSportGui);
    question.replace(QStringLiteral("%s"), QString::fromUtf8(shown.c_str()));
    layout->addWidget(new QLabel(question + QStringLiteral(" Import its workouts as:"), this));
    m_sports = new QComboBox(this);
    m_sports->setObjectName(QStringLiteral("importSport"));
    for (int i = 1; i <= store.sportCount; ++i)
        m_sports->addItem(fromLatin1(store.sports[i].name.view()), i);
    layout->addWidget(m_sports);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* take = buttons->addButton(QStringLiteral("Import as this sport"), QDialogButtonBox::AcceptRole);
    take->setObjectName(QStringLiteral("importSportTake"));
    take->setEnabled(store.sportCount > 0);
    QPushButton* skip = buttons->addButton(QString::fromLatin1(kImportSkipSport), QDialogButtonBox::RejectRole);
    skip->setObjectName(QStringLiteral("importSportSkip"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int ImportSportDialog::chosenSport() const
{
    return m_sports->count() > 0 ? m_sports->currentData().toInt() : -1;
}

int askImportSport(QWidget* owner, const LogStore& store, const std::string& workoutSport)
{
    ImportSportDialog dialog(store, workoutSport, owner);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenSport() : -1;
}

ImportPreviewDialog::ImportPreviewDialog(const std::vector<ImportCandidate>& candidates,
                                         const std::vector<std::string>& files, const LogStore& store, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(kImportPreviewTitle));
    auto* layout = new QVBoxLayout(this);
    int adding = 0;
    for (const ImportCandidate& candidate : candidates)
        adding += candidate.verdict == ImportVerdict::Add ? 1 : 0;
    auto* summary = new QLabel(QStringLiteral("%1 of %2 workouts will be added. Untick a row to leave it out.")
                                   .arg(adding)
                                   .arg(candidates.size()),
                               this);
    summary->setObjectName(QStringLiteral("importSummary"));
    layout->addWidget(summary);

    m_table = new QTableWidget(static_cast<int>(candidates.size()), ColCount, this);
    m_table->setObjectName(QStringLiteral("importPreview"));
    QStringList headers;
    for (const char* header : kPreviewHeaders)
        headers << QString::fromLatin1(header);
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->hide();
    for (int row = 0; row < static_cast<int>(candidates.size()); ++row) {
        const ImportCandidate& candidate = candidates[static_cast<std::size_t>(row)];
        const bool hasEntry = candidate.verdict == ImportVerdict::Add || candidate.verdict == ImportVerdict::Duplicate;
        auto* add = new QTableWidgetItem;
        add->setFlags(hasEntry ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
        add->setCheckState(candidate.verdict == ImportVerdict::Add ? Qt::Checked : Qt::Unchecked);
        m_table->setItem(row, ColAdd, add);
        m_table->setItem(row, ColDate, textItem(isoDate(candidate.localStart)));
        const QString sport = candidate.sport > 0 ? fromLatin1(store.sports[candidate.sport].name.view())
                                                  : QString::fromUtf8(candidate.workout.sport.c_str());
        m_table->setItem(row, ColSport, textItem(sport));
        if (hasEntry) {
            m_table->setItem(row, ColDistance, textItem(fromLatin1(candidate.entry.distanceText.view())));
            m_table->setItem(row, ColTime, textItem(fromLatin1(candidate.entry.timeText.view())));
            m_table->setItem(row, ColPace, textItem(fromLatin1(candidate.entry.paceText.view())));
            m_table->setItem(row, ColRoute, textItem(fromLatin1(candidate.entry.routeText.view())));
        }
        const std::string& file = candidate.fileIndex < files.size() ? files[candidate.fileIndex] : std::string();
        m_table->setItem(row, ColFile, textItem(QFileInfo(QFile::decodeName(file.c_str())).fileName()));
        m_table->setItem(row, ColStatus, textItem(QString::fromLatin1(importVerdictText(candidate.verdict))));
    }
    m_table->resizeColumnsToContents();
    layout->addWidget(m_table);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* import = buttons->addButton(QStringLiteral("Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("importAccept"));
    import->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("importCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 420);
}

std::vector<std::size_t> ImportPreviewDialog::chosen() const
{
    std::vector<std::size_t> rows;
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->item(row, ColAdd)->checkState() == Qt::Checked)
            rows.push_back(static_cast<std::size_t>(row));
    return rows;
}
