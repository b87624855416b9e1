#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box, file dialog and choice box of the screens goes through
// here, so that tests can answer them without a modal loop.
namespace Prompt {

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::No);
// Same, but drawn with the warning icon.
QMessageBox::StandardButton warningQuestion(QWidget *parent, const QString &title, const QString &text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::No);
// A question whose buttons read as the action they take: each standard button
// in labels is shown with its text, in the order given. Escape answers
// escapeButton.
QMessageBox::StandardButton choice(QWidget *parent, const QString &title, const QString &text,
                                   const QList<QPair<QMessageBox::StandardButton, QString>> &labels,
                                   QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton);
void information(QWidget *parent, const QString &title, const QString &text);
void warning(QWidget *parent, const QString &title, const QString &text);
void critical(QWidget *parent, const QString &title, const QString &text);

QString saveFileName(QWidget *parent, const QString &caption, const QString &proposedPath, const QString &filter);
QString openFileName(QWidget *parent, const QString &caption, const QString &directory, const QString &filter);
QStringList openFileNames(QWidget *parent, const QString &caption, const QString &directory, const QString &filter);
// A non-editable choice; ok is false when cancelled.
QString item(QWidget *parent, const QString &title, const QString &label, const QStringList &items, int current,
             bool *ok);

// Test hooks. In test mode nothing is shown: questions take the next queued
// answer (else their default button), file dialogs and choices the next queued
// text (else an empty text, i.e. cancel), and every prompt is recorded.
struct Record {
    QString kind;  // "question", "information", "warning", "critical", "save", "open", "item"
    QString title;
    QString text;
};
void setTestMode(bool on);
bool testMode();
void queueAnswer(QMessageBox::StandardButton answer);
void queueText(const QString &text);
QList<Record> &records();
void clear();

} // namespace Prompt
