#include "ui/dialogs/formdialog.h"

#include "services/storefailure.h"
#include "ui/prompt.h"

void FormDialog::accept()
{
    if (!validate())
        return;
    if (m_save && !saveWithRetry(this, windowTitle(), m_save))
        return;
    QDialog::accept();
}

bool FormDialog::saveWithRetry(QWidget *parent, const QString &title, const std::function<bool()> &save,
                               const QString &keptNote)
{
    while (!save()) {
        const QString note = keptNote.isEmpty()
            ? tr("Everything you entered is kept: try again, or cancel and come back to it.")
            : keptNote;
        const QMessageBox::StandardButton answer =
            Prompt::warningQuestion(parent, title,
                                    tr("This could not be saved.\n\n%1\n\n%2").arg(StoreFailure::text(), note),
                                    QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry);
        if (answer != QMessageBox::Retry)
            return false;
    }
    return true;
}
