#pragma once

#include "services/importservice.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class AppState;
class CsvMappingPanel;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class OfxMappingPanel;
class QStackedWidget;
class QifMappingPanel;

// "Import Transactions": choose QIF, CSV or OFX files, say where their records
// go, import them with progress and a Cancel button, and read the outcome
// (for a bank statement, its balance beside the account's).
class ImportWindow : public QDialog
{
    Q_OBJECT
public:
    enum Format { Qif = 0, Csv = 1, Ofx = 2 };

    explicit ImportWindow(AppState &state, QWidget *parent = nullptr);

    // Loads files as if chosen in the file dialog.
    void setFiles(const QStringList &paths);
    QStringList files() const { return m_paths; }
    Format format() const;

    QifMappingPanel *qifPanel() const { return m_qifPanel; }
    CsvMappingPanel *csvPanel() const { return m_csvPanel; }
    OfxMappingPanel *ofxPanel() const { return m_ofxPanel; }
    // The "Reconcile to this balance" buttons of the last result, one per
    // statement whose balance differs from its account's.
    QList<QPushButton *> reconcileButtons() const;
    QPushButton *importButton() const { return m_importButton; }
    QString resultText() const;
    bool isImporting() const { return m_importing; }

public Q_SLOTS:
    void chooseFiles();
    void startImport();
    void reject() override;

Q_SIGNALS:
    void importFinished(const ImportResult &result);
    // "Reconcile to this balance": the account and its bank statement.
    void reconcileRequested(const QString &accountId, const QDate &statementDate, qint64 statementBalance);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Reads the chosen files and lays out the page for their format.
    void loadFiles();
    // Reads one QIF file again with the dates in another order.
    void rereadQif(const QString &path, int dateOrder);
    // Offers the current accounts again; preferred: QIF choices to keep
    // (source key -> account id or marker); csvTarget: the CSV target to choose.
    void refreshAccounts(const QHash<QString, QString> &preferred, const QString &csvTarget = QString());
    void updateImportButton();
    void setImporting(bool on);
    // An import of QIF or OFX files whose sources were mapped to accounts;
    // chosen gets the mapping with the new accounts' ids in place.
    ImportResult runMappedImport(const QList<ImportFile> &files, const QHash<QString, QString> &mapping,
                                 const QHash<QString, Account> &newAccounts, QHash<QString, QString> *chosen);
    // createdId: the id of the account made for "New account", if any.
    ImportResult runCsvImport(QString *createdId);
    void showResult(const ImportResult &result);
    // The accounts rows can be imported into.
    QList<Account> targetAccounts() const;
    int nextSortOrder() const;

    AppState &m_state;
    QStringList m_paths;
    QList<ImportFile> m_qifFiles;
    QList<ImportFile> m_ofxFiles;
    bool m_importing = false;
    bool m_accountsRefreshScheduled = false;

    QLineEdit *m_fileList;
    QPushButton *m_chooseButton;
    QComboBox *m_format;
    QStackedWidget *m_pages;
    QLabel *m_emptyHint;
    QifMappingPanel *m_qifPanel;
    CsvMappingPanel *m_csvPanel;
    OfxMappingPanel *m_ofxPanel;
    QProgressBar *m_progress;
    QPushButton *m_cancelButton;
    QLabel *m_result;
    QWidget *m_balanceButtons;
    QDialogButtonBox *m_buttons;
    QPushButton *m_importButton;
};
