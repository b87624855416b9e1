#include "ui/settings/backuppanel.h"

#include "app/appstate.h"
#include "data/clock.h"
#include "services/backupservice.h"
#include "services/safetycopies.h"
#include "ui/prompt.h"
#include "ui/settings/panelblock.h"

#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// Shows a button's working text while the window cannot repaint (the work
// runs on this thread), and puts everything back afterwards.
class BusyButton {
public:
    BusyButton(QPushButton *button, QPushButton *other, const QString &text)
        : m_button(button)
        , m_other(other)
        , m_text(button->text())
    {
        m_button->setText(text);
        m_button->setEnabled(false);
        m_other->setEnabled(false);
        m_button->repaint();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyButton()
    {
        QGuiApplication::restoreOverrideCursor();
        m_button->setText(m_text);
        m_button->setEnabled(true);
        m_other->setEnabled(true);
    }
    BusyButton(const BusyButton &) = delete;
    BusyButton &operator=(const BusyButton &) = delete;

private:
    QPushButton *m_button;
    QPushButton *m_other;
    QString m_text;
};

QString documentsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

BackupPanel::BackupPanel(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_exportButton(new QPushButton(tr("Export Backup"), this))
    , m_importButton(new QPushButton(tr("Import Backup"), this))
{
    QVBoxLayout *layout =
        PanelBlock::begin(this, tr("Backup & Restore"), tr("Save or restore your data to a portable backup file."));
    m_exportButton->setAccessibleDescription(
        tr("Save every account, category, transaction, schedule and reconciliation to a ZIP file."));
    m_importButton->setAccessibleDescription(tr("Restore data from a backup ZIP file."));
    layout->addLayout(PanelBlock::buttonRow({m_exportButton, m_importButton}));

    connect(m_exportButton, &QPushButton::clicked, this, &BackupPanel::exportBackup);
    connect(m_importButton, &QPushButton::clicked, this, &BackupPanel::importBackup);
}

void BackupPanel::exportBackup()
{
    const QString proposed =
        QDir(documentsDirectory())
            .filePath(
                QStringLiteral("quillet-backup-%1.zip").arg(Clock::today().toString(QStringLiteral("yyyy-MM-dd"))));
    const QString path = Prompt::saveFileName(this, tr("Export Backup"), proposed, tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;

    QString error;
    bool written = false;
    {
        BusyButton busy(m_exportButton, m_importButton, tr("Exporting..."));
        const QByteArray bytes = m_state->backupService()->exportBackup(nullptr, &error);
        written = !bytes.isEmpty() && BackupService::writeFile(path, bytes);
    }
    if (written) {
        Prompt::information(this, tr("Backup Complete"),
                            tr("Backup saved to:\n%1").arg(QDir::toNativeSeparators(path)));
    } else if (!error.isEmpty()) {
        // The store itself could not be read whole; no file was touched.
        const QString folder = QDir::toNativeSeparators(m_state->backupService()->safetyCopies()->folder());
        Prompt::warning(this, tr("Backup Failed"),
                        tr("%1\n\nAutomatic safety copies of your data are kept in:\n%2\nYou can restore one "
                           "under Safety Copies on this page.")
                            .arg(error, folder));
    } else {
        Prompt::warning(this, tr("Backup Failed"), tr("Could not write to:\n%1").arg(QDir::toNativeSeparators(path)));
    }
}

void BackupPanel::importBackup()
{
    const QString path = Prompt::openFileName(this, tr("Import Backup"), documentsDirectory(), tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    const QStringList modes = {tr("Replace all with backup data"), tr("Keep newer (compare timestamps)"),
                               tr("Skip existing items"), tr("Restore exactly (the store becomes the backup)")};
    bool chosen = false;
    const int choice = int(modes.indexOf(
        Prompt::item(this, tr("Import Mode"), tr("How should existing data be handled?"), modes, 0, &chosen)));
    if (!chosen || choice < 0)
        return;
    constexpr BackupMode kModes[] = {BackupMode::Replace, BackupMode::KeepNewer, BackupMode::Skip,
                                     BackupMode::Exact};

    QByteArray bytes;
    if (!BackupService::readFile(path, &bytes)) {
        Prompt::warning(this, tr("Import Failed"), tr("Could not read file."));
        return;
    }
    BackupImportResult result;
    {
        BusyButton busy(m_importButton, m_exportButton, tr("Importing..."));
        result = m_state->backupService()->importBackup(bytes, kModes[choice]);
    }
    // A file that is no backup at all (or could not be restored) says why,
    // rather than "complete" with nothing imported.
    if (!result.accepted) {
        Prompt::warning(this, tr("Import Failed"), result.errors.join(QLatin1Char('\n')));
        return;
    }
    QString text = tr("Imported %1 items, skipped %2.").arg(result.imported).arg(result.skipped);
    if (!result.errors.isEmpty())
        text += tr("\n\n%n error(s) occurred.", nullptr, int(result.errors.size()));
    if (kModes[choice] == BackupMode::Exact) {
        text += tr("\n\nYour data as it was before is kept as a safety copy:\n%1")
                    .arg(QDir::toNativeSeparators(result.safetyCopy));
    }
    Prompt::information(this, tr("Import Complete"), text);
}
