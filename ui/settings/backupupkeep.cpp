#include "ui/settings/backupupkeep.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "services/backupservice.h"
#include "services/safetycopies.h"

#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

BackupUpkeep::BackupUpkeep(AppState *state, QWidget *window)
    : QObject(window)
    , m_state(state)
    , m_window(window)
{
    QTimer::singleShot(kDelayMs, this, &BackupUpkeep::run);
}

void BackupUpkeep::run()
{
    BackupService *backup = m_state->backupService();
    SafetyCopies *copies = backup->safetyCopies();
    if (!copies->dailyDue())
        return;
    if (DbTransaction::inTransaction(m_state->database()->connection())) {
        QTimer::singleShot(kRetryMs, this, &BackupUpkeep::run);
        return;
    }
    QString problem;
    if (!backup->checkIntegrity(&problem)) {
        qWarning().noquote() << "The store is damaged:" << problem;
        Q_EMIT damageFound(problem);
        // Not modal: the message must not stop the event loop that runs the app.
        auto *box = new QMessageBox(
            QMessageBox::Warning, tr("Data File Damaged"),
            tr("Larkspire Quillet found damage in its data file:\n%1\n\nBackups cannot be exported until this is "
               "repaired. Automatic safety copies of your data are kept in:\n%2\n\nYou can restore one under "
               "Edit \u203a Preferences \u203a Data & Sync \u203a Safety Copies.")
                .arg(problem, QDir::toNativeSeparators(copies->folder())),
            QMessageBox::Ok, m_window);
        box->setObjectName(QStringLiteral("damagedStoreMessage"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    QString error;
    if (copies->makeDailyIfDue(&error).isEmpty() && !error.isEmpty())
        qWarning().noquote() << "No daily safety copy:" << error;
}
