#include "ui/import/importwindow.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/sharedaccess.h"
#include "services/ofxreader.h"
#include "services/qifreader.h"
#include "ui/import/csvmappingpanel.h"
#include "ui/import/dateorderrows.h"
#include "ui/import/ofxmappingpanel.h"
#include "ui/import/qifmappingpanel.h"
#include "ui/prompt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

ImportWindow::ImportWindow(AppState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setWindowTitle(tr("Import Transactions"));
    resize(650, 600);
    auto *layout = new QVBoxLayout(this);

    auto *form = new QFormLayout;
    m_fileList = new QLineEdit(this);
    m_fileList->setReadOnly(true);
    m_fileList->setPlaceholderText(tr("No files chosen"));
    m_chooseButton = new QPushButton(tr("&Choose Files..."), this);
    auto *filesRow = new QHBoxLayout;
    filesRow->addWidget(m_fileList, 1);
    filesRow->addWidget(m_chooseButton);
    form->addRow(tr("&Files:"), filesRow);
    qobject_cast<QLabel *>(form->labelForField(filesRow))->setBuddy(m_fileList);
    m_format = new QComboBox(this);
    m_format->addItem(tr("QIF (Quicken Interchange Format)"));
    m_format->addItem(tr("CSV (comma-separated values)"));
    m_format->addItem(tr("OFX or QFX (bank statement download)"));
    form->addRow(tr("F&ormat:"), m_format);
    layout->addLayout(form);

    m_pages = new QStackedWidget(this);
    m_emptyHint = new QLabel(tr("Choose one or more QIF, CSV or OFX files to import.\n\nQIF files keep their "
                                "accounts, categories, splits and transfers. A CSV file from your bank goes into one "
                                "account you choose. OFX and QFX downloads from your bank bring each row once, however "
                                "often their dates overlap."),
                             m_pages);
    m_emptyHint->setWordWrap(true);
    m_emptyHint->setAlignment(Qt::AlignCenter);
    m_emptyHint->setForegroundRole(QPalette::PlaceholderText);
    m_emptyHint->setContentsMargins(40, 0, 40, 0);
    m_qifPanel = new QifMappingPanel(m_pages);
    m_csvPanel = new CsvMappingPanel(m_pages);
    m_ofxPanel = new OfxMappingPanel(m_pages);
    m_pages->addWidget(m_emptyHint);
    m_pages->addWidget(m_qifPanel);
    m_pages->addWidget(m_csvPanel);
    m_pages->addWidget(m_ofxPanel);
    layout->addWidget(m_pages, 1);

    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(tr("Import progress"));
    m_progress->setFormat(tr("%v of %m records"));
    m_cancelButton = new QPushButton(tr("Cancel Import"), this);
    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_cancelButton);
    layout->addLayout(progressRow);
    m_progress->hide();
    m_cancelButton->hide();

    m_result = new QLabel(this);
    m_result->setWordWrap(true);
    m_result->setTextFormat(Qt::PlainText);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_result->setFrameShape(QFrame::StyledPanel);
    m_result->setMargin(8);
    m_result->setAccessibleName(tr("Import result"));
    m_result->hide();
    layout->addWidget(m_result);
    m_balanceButtons = new QWidget(this);
    new QHBoxLayout(m_balanceButtons);
    m_balanceButtons->layout()->setContentsMargins(0, 0, 0, 0);
    m_balanceButtons->layout()->setAlignment(Qt::AlignLeft);
    m_balanceButtons->hide();
    layout->addWidget(m_balanceButtons);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_importButton = m_buttons->addButton(tr("&Import"), QDialogButtonBox::ActionRole);
    m_importButton->setDefault(true);
    m_importButton->setEnabled(false);
    layout->addWidget(m_buttons);

    connect(m_chooseButton, &QPushButton::clicked, this, &ImportWindow::chooseFiles);
    connect(m_format, &QComboBox::currentIndexChanged, this, &ImportWindow::loadFiles);
    connect(m_importButton, &QPushButton::clicked, this, &ImportWindow::startImport);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &ImportWindow::reject);
    connect(m_cancelButton, &QPushButton::clicked, m_state.importService(), &ImportService::cancel);
    connect(m_qifPanel, &QifMappingPanel::mappingChanged, this, &ImportWindow::updateImportButton);
    connect(m_qifPanel->dateOrders(), &DateOrderRows::orderChanged, this, &ImportWindow::rereadQif);
    connect(m_csvPanel, &CsvMappingPanel::mappingChanged, this, &ImportWindow::updateImportButton);
    connect(m_ofxPanel, &OfxMappingPanel::mappingChanged, this, &ImportWindow::updateImportButton);
    // Accounts made or renamed elsewhere show up in the choices; one refresh
    // per burst of changes, keeping what has been chosen.
    // (The import's own new accounts are offered when it finishes.)
    connect(m_state.accounts(), &AccountRepository::accountsChanged, this, [this]() {
        if (m_accountsRefreshScheduled || m_importing)
            return;
        m_accountsRefreshScheduled = true;
        QTimer::singleShot(0, this, [this]() {
            refreshAccounts(format() == Ofx ? m_ofxPanel->mapping() : m_qifPanel->mapping());
        });
    });
    m_chooseButton->setFocus();
}

ImportWindow::Format ImportWindow::format() const
{
    switch (m_format->currentIndex()) {
    case Csv:
        return Csv;
    case Ofx:
        return Ofx;
    default:
        return Qif;
    }
}

QList<QPushButton *> ImportWindow::reconcileButtons() const
{
    return m_balanceButtons->findChildren<QPushButton *>();
}

QString ImportWindow::resultText() const
{
    return m_result->isVisible() || !m_result->text().isEmpty() ? m_result->text() : QString();
}

void ImportWindow::chooseFiles()
{
    const QString directory = m_paths.isEmpty() ? QString() : QFileInfo(m_paths.first()).absolutePath();
    const QStringList paths = Prompt::openFileNames(
        this, tr("Choose Files to Import"), directory,
        tr("QIF, CSV and OFX files (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;QIF files (*.qif *.QIF);;"
           "CSV files (*.csv *.CSV *.txt);;OFX and QFX files (*.ofx *.OFX *.qfx *.QFX);;All files (*)"));
    if (!paths.isEmpty())
        setFiles(paths);
}

void ImportWindow::setFiles(const QStringList &paths)
{
    m_paths = paths;
    QStringList names;
    bool allCsv = !paths.isEmpty();
    // Bank downloads by their content, whatever their names say.
    bool allOfx = !paths.isEmpty();
    for (const QString &path : paths) {
        names.append(QFileInfo(path).fileName());
        const QString suffix = QFileInfo(path).suffix().toLower();
        allCsv = allCsv && (suffix == QLatin1String("csv") || suffix == QLatin1String("txt"));
        allOfx = allOfx && OfxReader::isOfxFile(path);
    }
    m_fileList->setText(names.join(QLatin1String(", ")));
    m_fileList->setToolTip(paths.join(QLatin1Char('\n')));
    m_fileList->setCursorPosition(0);
    m_result->clear();
    m_result->hide();
    m_balanceButtons->hide();
    {
        const QSignalBlocker blocker(m_format);
        m_format->setCurrentIndex(allOfx ? Ofx : allCsv ? Csv : Qif);
    }
    loadFiles();
}

void ImportWindow::loadFiles()
{
    if (m_paths.isEmpty()) {
        m_pages->setCurrentWidget(m_emptyHint);
        updateImportButton();
        return;
    }
    const QList<Account> accounts = targetAccounts();
    const QString current = m_state.currentAccountId();
    QStringList unreadable;
    if (format() == Qif) {
        m_qifFiles.clear();
        for (const QString &path : std::as_const(m_paths)) {
            ImportFile file = ImportService::readQif(path);
            if (!file.readable)
                unreadable.append(QFileInfo(path).fileName());
            m_qifFiles.append(std::move(file));
        }
        m_qifPanel->setFiles(m_qifFiles, accounts, current);
        m_pages->setCurrentWidget(m_qifPanel);
    } else if (format() == Ofx) {
        m_ofxFiles.clear();
        for (const QString &path : std::as_const(m_paths)) {
            ImportFile file = ImportService::readOfx(path);
            if (!file.readable && OfxReader::isAvailable())
                unreadable.append(QFileInfo(path).fileName());
            m_ofxFiles.append(std::move(file));
        }
        m_ofxPanel->setFiles(m_ofxFiles, accounts, m_state.importService());
        m_pages->setCurrentWidget(m_ofxPanel);
    } else {
        if (!QFileInfo(m_paths.first()).isReadable())
            unreadable.append(QFileInfo(m_paths.first()).fileName());
        m_csvPanel->setFile(m_paths.first(), accounts, current);
        m_pages->setCurrentWidget(m_csvPanel);
    }
    if (!unreadable.isEmpty()) {
        Prompt::warning(this, tr("Import Transactions"),
                        tr("These files could not be read:\n%1").arg(unreadable.join(QLatin1Char('\n'))));
    }
    updateImportButton();
}

void ImportWindow::rereadQif(const QString &path, int dateOrder)
{
    for (ImportFile &file : m_qifFiles) {
        if (file.path == path)
            file = ImportService::readQif(path, dateOrder);
    }
    // The records may fall differently on the source accounts now; the
    // choices made for them stay.
    refreshAccounts(m_qifPanel->mapping());
}

void ImportWindow::refreshAccounts(const QHash<QString, QString> &preferred, const QString &csvTarget)
{
    m_accountsRefreshScheduled = false;
    if (m_importing || m_paths.isEmpty())
        return;
    const QList<Account> accounts = targetAccounts();
    if (format() == Qif)
        m_qifPanel->setFiles(m_qifFiles, accounts, m_state.currentAccountId(), preferred);
    else if (format() == Ofx)
        m_ofxPanel->setFiles(m_ofxFiles, accounts, m_state.importService(), preferred);
    else
        m_csvPanel->setAccounts(accounts, m_state.currentAccountId(), csvTarget);
    updateImportButton();
}

void ImportWindow::updateImportButton()
{
    bool ready = !m_importing && !m_paths.isEmpty();
    if (ready) {
        switch (format()) {
        case Qif:
            ready = m_qifPanel->hasTarget();
            break;
        case Ofx:
            ready = OfxReader::isAvailable() && m_ofxPanel->hasTarget();
            break;
        case Csv:
            ready = m_csvPanel->isComplete();
            break;
        }
    }
    m_importButton->setEnabled(ready);
}

QList<Account> ImportWindow::targetAccounts() const
{
    // An account shared with the user to view only takes no rows: the
    // service would refuse every one of them.
    return SharedAccess(m_state.preferences()).writable(m_state.accounts()->listLive());
}

int ImportWindow::nextSortOrder() const
{
    int next = 0;
    const QList<Account> accounts = m_state.accounts()->listLive();
    for (const Account &a : accounts)
        next = qMax(next, a.sortOrder + 1);
    return next;
}

void ImportWindow::startImport()
{
    if (m_importing || !m_importButton->isEnabled())
        return;
    ImportService *service = m_state.importService();
    setImporting(true);
    const QMetaObject::Connection progress =
        connect(service, &ImportService::progress, this, [this](int done, int total) {
            m_progress->setMaximum(qMax(total, 1));
            m_progress->setValue(done);
        });
    QHash<QString, QString> chosen;
    QString csvCreated;
    ImportResult result;
    if (format() == Qif)
        result = runMappedImport(m_qifFiles, m_qifPanel->mapping(), m_qifPanel->newAccounts(nextSortOrder()), &chosen);
    else if (format() == Ofx)
        result = runMappedImport(m_ofxFiles, m_ofxPanel->mapping(), m_ofxPanel->newAccounts(nextSortOrder()), &chosen);
    else
        result = runCsvImport(&csvCreated);
    disconnect(progress);
    setImporting(false);
    showResult(result);
    // New accounts now exist: offer them, choose them where a new account was
    // chosen (another Import must not make another one), keep every other choice.
    if (result.accountsCreated > 0)
        refreshAccounts(chosen, csvCreated);
    Q_EMIT importFinished(result);
}

ImportResult ImportWindow::runMappedImport(const QList<ImportFile> &files, const QHash<QString, QString> &mapping,
                                           const QHash<QString, Account> &newAccounts, QHash<QString, QString> *chosen)
{
    NewAccounts created;
    created.repository = m_state.accounts();
    created.bySourceKey = newAccounts;
    *chosen = mapping;
    for (auto it = created.bySourceKey.cbegin(); it != created.bySourceKey.cend(); ++it)
        chosen->insert(it.key(), it.value().id);
    return m_state.importService()->importFiles(files, mapping, created);
}

ImportResult ImportWindow::runCsvImport(QString *createdId)
{
    const CsvMapping columns = m_csvPanel->mapping();
    QString target = m_csvPanel->target();
    NewAccounts created;
    created.repository = m_state.accounts();
    QHash<QString, QString> mapping;
    QList<ImportFile> files;
    for (const QString &path : std::as_const(m_paths)) {
        const QString key = ImportService::sourceKey(QString(), path);
        if (target == ImportService::createMarker()) {
            // The first file's key creates the account; the others go to it.
            const Account account =
                ImportService::accountForSource(m_csvPanel->newAccountName(), QifReader::Bank, nextSortOrder());
            created.bySourceKey.insert(key, account);
            mapping.insert(key, ImportService::createMarker());
            target = account.id;
            *createdId = account.id;
        } else {
            mapping.insert(key, target);
        }
        files.append(ImportService::readCsv(path, columns, int(m_csvPanel->currency())));
    }
    return m_state.importService()->importFiles(files, mapping, created);
}

void ImportWindow::setImporting(bool on)
{
    m_importing = on;
    for (QWidget *w : std::initializer_list<QWidget *>{m_chooseButton, m_format, m_pages})
        w->setEnabled(!on);
    m_progress->setVisible(on);
    m_cancelButton->setVisible(on);
    if (on) {
        m_progress->setRange(0, 0);
        m_result->hide();
        m_balanceButtons->hide();
        m_cancelButton->setFocus();
        // While the import lets events through, only this window answers.
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
    updateImportButton();
}

bool ImportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_importing && isUserInput(event->type())) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() != this) {
            // An eaten close event still counts as accepted: refuse it, or the
            // main window would close under a running import.
            if (event->type() == QEvent::Close)
                event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ImportWindow::showResult(const ImportResult &result)
{
    m_result->setText(ImportService::resultLines(result).join(QLatin1Char('\n')));
    // The whole result, not only its caption, for a screen reader.
    m_result->setAccessibleDescription(m_result->text());
    ThemeManager::setRole(m_result, ThemeManager::Body, result.rolledBack() ? QFont::DemiBold : QFont::Normal);
    m_result->show();

    const QList<QPushButton *> old = reconcileButtons();
    for (QPushButton *button : old)
        delete button;
    QList<StatementBalance> differing;
    for (const StatementBalance &balance : result.balances) {
        if (!balance.agrees())
            differing.append(balance);
    }
    for (const StatementBalance &balance : std::as_const(differing)) {
        const QString text = differing.size() == 1 ? tr("&Reconcile to this balance")
                                                   : tr("Reconcile %1 to this balance").arg(balance.accountName);
        auto *button = new QPushButton(text, m_balanceButtons);
        button->setAccessibleName(tr("Reconcile %1 to the bank's balance").arg(balance.accountName));
        connect(button, &QPushButton::clicked, this, [this, balance]() {
            Q_EMIT reconcileRequested(balance.accountId, balance.date, balance.bank);
        });
        m_balanceButtons->layout()->addWidget(button);
    }
    m_balanceButtons->setVisible(!differing.isEmpty());
}

void ImportWindow::reject()
{
    if (m_importing) {
        m_state.importService()->cancel();
        return;
    }
    QDialog::reject();
}

void ImportWindow::closeEvent(QCloseEvent *event)
{
    if (m_importing) {
        m_state.importService()->cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
