#pragma once

#include "cloud/updateclient.h"

#include <QObject>
#include <QPointer>

class AppState;
class PreferencesRepository;
class UpdateWindow;
class WhatsNewWindow;
class QWidget;

// The what's-new window once per new version, the update check shortly after
// start and on request, and the offer of a newer version. The automatic check
// keeps quiet about anything but an offer the user has not dismissed; the
// check on request always answers.
class UpdateChecks : public QObject
{
    Q_OBJECT
public:
    static constexpr int kStartDelayMs = 1500;

    // Windows open over window, which also owns this object.
    UpdateChecks(AppState *state, QWidget *window);

    // The version that is running, as the application object states it.
    static QString runningVersion();
    // Whether the what's-new window is due for version: the version last
    // shown ("whatsNew/lastShownVersion", filled from the older preference
    // "last_whats_new_version" when empty) is lower. When due, version is
    // recorded as shown.
    static bool takeWhatsNewDue(PreferencesRepository *preferences, const QString &version);

    // What start-up does once the main window shows: the what's-new window
    // when due, and the update check kStartDelayMs later.
    void atStartup();
    void showWhatsNew();
    void checkAutomatically();
    void checkNow();

    LarkUpdate::Config updateConfig() const;
    UpdateWindow *offerWindow() const;
    WhatsNewWindow *whatsNewWindow() const;

Q_SIGNALS:
    // A check on request started or ended.
    void manualCheckRunning(bool running);
    // A check ended and its outcome was dealt with.
    void checkHandled();

private:
    LarkUpdate::Client *startCheck();
    void offer(const LarkUpdate::Release &release, bool onRequest);

    AppState *m_state;
    QWidget *m_window;
    QPointer<UpdateWindow> m_offer;
    QPointer<WhatsNewWindow> m_whatsNew;
    QPointer<LarkUpdate::Client> m_manual;
};
