#include "ui/settings/syncpanel.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "cloud/accountclient.h"
#include "cloud/signinclient.h"
#include "cloud/syncengine.h"
#include "data/preferencesrepository.h"
#include "data/sqlvalue.h"
#include "ui/prompt.h"
#include "ui/settings/panelblock.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

ThemeManager::Tone toneOf(SyncEngine::SyncState state)
{
    switch (state) {
    case SyncEngine::Idle:
        return ThemeManager::Positive;
    case SyncEngine::Error:
        return ThemeManager::Negative;
    default:
        return ThemeManager::Muted;
    }
}

} // namespace

SyncPanel::SyncPanel(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_account(new QLabel(this))
    , m_lastSync(new QLabel(this))
    , m_syncNow(new QPushButton(tr("Sync Now"), this))
    , m_forceFull(new QPushButton(tr("Force Full Sync"), this))
{
    setObjectName(QStringLiteral("syncPanel"));
    QVBoxLayout *layout = PanelBlock::begin(this, tr("Sync"), tr("Keep your quillet in sync across all your devices."));
    m_account->setObjectName(QStringLiteral("syncAccount"));
    m_account->setWordWrap(true);
    m_account->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lastSync->setObjectName(QStringLiteral("lastSync"));
    m_lastSync->setTextFormat(Qt::PlainText);
    m_lastSync->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_account);
    layout->addWidget(m_lastSync);
    m_syncNow->setObjectName(QStringLiteral("syncNow"));
    m_syncNow->setAccessibleDescription(tr("Send this device's changes and fetch the others' now."));
    m_forceFull->setObjectName(QStringLiteral("forceFullSync"));
    m_forceFull->setAccessibleDescription(tr("Upload every row again and download everything from the server."));
    layout->addLayout(PanelBlock::buttonRow({m_syncNow, m_forceFull}));

    SyncEngine *engine = m_state->syncEngine();
    connect(m_syncNow, &QPushButton::clicked, engine, &SyncEngine::syncNow);
    connect(m_forceFull, &QPushButton::clicked, this, &SyncPanel::forceFullSync);
    connect(engine, &SyncEngine::stateChanged, this, &SyncPanel::refresh);
    connect(engine, &SyncEngine::syncCompleted, this, &SyncPanel::refresh);
    LarkAccount::Client *account = m_state->accountClient();
    connect(account->signIn(), &LarkAccount::SignInClient::stateChanged, this, &SyncPanel::refresh);
    connect(account, &LarkAccount::Client::profileChanged, this, &SyncPanel::refresh);
    connect(m_state->themeManager(), &ThemeManager::themeChanged, this, &SyncPanel::refresh);
    refresh();
}

QString SyncPanel::lastSyncText() const
{
    return m_lastSync->text();
}

QString SyncPanel::accountText() const
{
    return m_account->text();
}

void SyncPanel::refresh()
{
    const SyncEngine *engine = m_state->syncEngine();
    const bool signedIn = m_state->isSignedIn();
    if (signedIn) {
        LarkAccount::Client *account = m_state->accountClient();
        const QString who = account->email().isEmpty() ? account->displayName() : account->email();
        m_account->setTextFormat(Qt::RichText);
        m_account->setText(tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
                               .arg(who.toHtmlEscaped(), ThemeManager::toneName(toneOf(engine->state())),
                                    SyncEngine::stateText(engine->state()).toHtmlEscaped()));
    } else {
        m_account->setTextFormat(Qt::PlainText);
        m_account->setText(tr("Not signed in.\nSign in via File \u203a Larkspire Account to enable sync."));
    }
    const QDateTime last =
        SqlValue::parseTimestamp(m_state->preferences()->get(QStringLiteral("lastSyncTimestamp"), QString()));
    m_lastSync->setText(last.isValid()
                            ? tr("Last synced: %1").arg(QLocale().toString(last.toLocalTime(), QStringLiteral("MMM d, h:mm ap")))
                            : tr("Never synced"));
    const bool busy = engine->state() == SyncEngine::Syncing;
    m_syncNow->setText(busy ? SyncEngine::stateText(SyncEngine::Syncing) : tr("Sync Now"));
    m_syncNow->setEnabled(signedIn && !busy);
    m_forceFull->setEnabled(signedIn && !busy);
}

void SyncPanel::forceFullSync()
{
    const QMessageBox::StandardButton answer = Prompt::question(
        this, tr("Force Full Sync"),
        tr("This will re-upload every local row to the server and re-download all server data. Use this if data "
           "appears out of sync between devices.\n\nContinue?"));
    if (answer != QMessageBox::Yes)
        return;
    m_state->syncEngine()->forceFullSync();
    // Until the engine says how it goes.
    m_syncNow->setText(SyncEngine::stateText(SyncEngine::Syncing));
    m_syncNow->setEnabled(false);
    m_forceFull->setEnabled(false);
}
