#include "app/updatechecks.h"

#include "app/application.h"
#include "app/appstate.h"
#include "app/thememanager.h"
#include "cloud/accountclient.h"
#include "data/preferencesrepository.h"
#include "ui/prompt.h"
#include "ui/update/updatewindow.h"
#include "ui/update/whatsnewwindow.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTimer>
#include <QWidget>

namespace {

const QString kLastShownKey = QStringLiteral("whatsNew/lastShownVersion");
const QString kLegacyLastShownKey = QStringLiteral("last_whats_new_version");
const QString kDismissedKey = QStringLiteral("update_dismissed_version");

QString productTitle()
{
    return QString::fromLatin1(Application::kProductTitle);
}

// Opens w over its parent at a size that grows with the text, within the screen.
void present(QWidget *w, const QSize &size)
{
    w->resize(ThemeManager::openingSize(w, size, w->screen()));
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

UpdateChecks::UpdateChecks(AppState *state, QWidget *window)
    : QObject(window)
    , m_state(state)
    , m_window(window)
{
}

UpdateWindow *UpdateChecks::offerWindow() const
{
    return m_offer;
}

WhatsNewWindow *UpdateChecks::whatsNewWindow() const
{
    return m_whatsNew;
}

QString UpdateChecks::runningVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QString::fromLatin1(Application::kVersion) : version;
}

bool UpdateChecks::takeWhatsNewDue(PreferencesRepository *preferences, const QString &version)
{
    QSettings settings;
    QString lastShown = settings.value(kLastShownKey).toString();
    if (lastShown.isEmpty()) {
        lastShown = preferences->get(kLegacyLastShownKey, QString());
        if (!lastShown.isEmpty())
            settings.setValue(kLastShownKey, lastShown);
    }
    if (!(LarkUpdate::Version::parse(lastShown) < LarkUpdate::Version::parse(version)))
        return false;
    settings.setValue(kLastShownKey, version);
    settings.sync();
    return true;
}

void UpdateChecks::atStartup()
{
    if (takeWhatsNewDue(m_state->preferences(), runningVersion()))
        showWhatsNew();
    QTimer::singleShot(kStartDelayMs, this, &UpdateChecks::checkAutomatically);
}

void UpdateChecks::showWhatsNew()
{
    if (!m_whatsNew) {
        m_whatsNew = new WhatsNewWindow(runningVersion(), productTitle(), m_window);
        m_whatsNew->setAttribute(Qt::WA_DeleteOnClose);
    }
    present(m_whatsNew, QSize(560, 520));
}

LarkUpdate::Config UpdateChecks::updateConfig() const
{
    LarkUpdate::Config config;
    config.product = QStringLiteral("quillet");
    config.channel = QStringLiteral("stable");
    config.manifestBaseUrl = QUrl(m_state->accountClient()->config().downloadsUrl + QLatin1Char('/') + config.product
                                  + QLatin1Char('/') + config.channel + QLatin1Char('/'));
    config.currentVersion = runningVersion();
    return config;
}

LarkUpdate::Client *UpdateChecks::startCheck()
{
    auto *client = new LarkUpdate::Client(updateConfig(), this);
    // Each check ends in one of the three signals; the client goes with it.
    connect(client, &LarkUpdate::Client::upToDate, client, &QObject::deleteLater);
    connect(client, &LarkUpdate::Client::updateAvailable, client, &QObject::deleteLater);
    connect(client, &LarkUpdate::Client::checkFailed, client, &QObject::deleteLater);
    client->check();
    return client;
}

void UpdateChecks::checkAutomatically()
{
    LarkUpdate::Client *client = startCheck();
    connect(client, &LarkUpdate::Client::updateAvailable, this, [this](const LarkUpdate::Release &release) {
        offer(release, false);
        Q_EMIT checkHandled();
    });
    connect(client, &LarkUpdate::Client::upToDate, this, &UpdateChecks::checkHandled);
    connect(client, &LarkUpdate::Client::checkFailed, this, [this](const QString &error) {
        qWarning().noquote() << "update check failed:" << error;
        Q_EMIT checkHandled();
    });
}

void UpdateChecks::checkNow()
{
    if (m_manual)
        return;
    m_manual = startCheck();
    Q_EMIT manualCheckRunning(true);
    connect(m_manual, &QObject::destroyed, this, [this] { Q_EMIT manualCheckRunning(false); });
    connect(m_manual, &LarkUpdate::Client::updateAvailable, this, [this](const LarkUpdate::Release &release) {
        offer(release, true);
        Q_EMIT checkHandled();
    });
    connect(m_manual, &LarkUpdate::Client::upToDate, this, [this] {
        Prompt::information(m_window, tr("Software Update"),
                            tr("You're up to date") + QStringLiteral("\n\n")
                                + tr("%1 %2 is the newest version.").arg(productTitle(), runningVersion()));
        Q_EMIT checkHandled();
    });
    connect(m_manual, &LarkUpdate::Client::checkFailed, this, [this](const QString &error) {
        qWarning().noquote() << "update check failed:" << error;
        Prompt::warning(m_window, tr("Software Update"), tr("Could not check for updates: %1").arg(error));
        Q_EMIT checkHandled();
    });
}

void UpdateChecks::offer(const LarkUpdate::Release &release, bool onRequest)
{
    PreferencesRepository *preferences = m_state->preferences();
    const QString dismissed = preferences->get(kDismissedKey, QString());
    // Asked for, the newest version is offered even when it was skipped before.
    if (!onRequest && !dismissed.isEmpty()
        && !(LarkUpdate::Version::parse(release.version) > LarkUpdate::Version::parse(dismissed)))
        return;
    if (m_offer)
        m_offer->close();
    m_offer = new UpdateWindow(release, runningVersion(), productTitle(), m_window);
    m_offer->setAttribute(Qt::WA_DeleteOnClose);
    m_offer->setModal(false);
    const QString version = release.version;
    connect(m_offer, &QDialog::finished, this, [preferences, version](int result) {
        // "Remind Me Later" (or closing the window) keeps the offer for the next start.
        if (result != UpdateWindow::RemindLater)
            preferences->set(kDismissedKey, version);
    });
    present(m_offer, QSize(560, 520));
}
