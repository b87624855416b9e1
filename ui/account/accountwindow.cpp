#include "ui/account/accountwindow.h"

#include "app/thememanager.h"
#include "cloud/accountclient.h"
#include "cloud/signinclient.h"
#include "ui/glyph.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr ushort kAccountCircle = 0xE853;
constexpr ushort kComputer = 0xE30A;
constexpr ushort kSmartphone = 0xE32C;

bool isDesktop(const QString &platform)
{
    return platform == QLatin1String("windows") || platform == QLatin1String("macos")
           || platform == QLatin1String("linux");
}

QLabel *wrappedLabel(const QString &text, QWidget *parent, int role = ThemeManager::Body)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    ThemeManager::setRole(label, role);
    return label;
}

QString platformLabel(const QString &platform)
{
    if (platform == QLatin1String("windows"))
        return AccountWindow::tr("Windows");
    if (platform == QLatin1String("macos"))
        return AccountWindow::tr("macOS");
    if (platform == QLatin1String("linux"))
        return AccountWindow::tr("Linux");
    return platform;
}

} // namespace

AccountWindow::AccountWindow(LarkAccount::Client *client, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_client(client)
{
    setObjectName(QStringLiteral("accountWindow"));
    setWindowTitle(tr("Larkspire Account"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildSignedOutPage());
    m_pages->addWidget(buildSignedInPage());
    layout->addWidget(m_pages);

    LarkAccount::SignInClient *signIn = client->signIn();
    connect(signIn, &LarkAccount::SignInClient::stateChanged, this, &AccountWindow::updateState);
    connect(signIn, &LarkAccount::SignInClient::signInPendingChanged, this, &AccountWindow::setPending);
    connect(signIn, &LarkAccount::SignInClient::loginFailed, this, [this](const QString &reason) {
        m_error->setText(tr("Sign-in failed: %1").arg(reason));
        m_error->show();
    });
    connect(client, &LarkAccount::Client::profileChanged, this, &AccountWindow::updateProfile);
    connect(client, &LarkAccount::Client::devicesChanged, this, &AccountWindow::updateDevices);
    updateState();
    setPending(signIn->isSignInPending());
    restyle();
}

QWidget *AccountWindow::buildSignedOutPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(48, 40, 48, 32);
    layout->setSpacing(12);
    layout->addStretch(1);
    m_outIcon = new QLabel(page);
    m_outIcon->setAlignment(Qt::AlignHCenter);
    m_outIcon->setAccessibleName(tr("Account"));
    layout->addWidget(m_outIcon);
    auto *title = new QLabel(tr("Your Larkspire Account"), page);
    title->setAlignment(Qt::AlignHCenter);
    ThemeManager::setRole(title, ThemeManager::Title);
    layout->addWidget(title);
    auto *text = wrappedLabel(tr("Sign in to keep your register in sync on all your devices. Everything stays on "
                                 "this device as well, and Larkspire Quillet keeps working offline."),
                              page);
    text->setAlignment(Qt::AlignHCenter);
    m_muted.append(text);
    layout->addWidget(text);
    layout->addSpacing(8);

    m_signIn = new QPushButton(tr("&Sign In"), page);
    m_signIn->setObjectName(QStringLiteral("accountSignIn"));
    m_signIn->setMinimumHeight(40);
    m_signIn->setDefault(true);
    ThemeManager::setRole(m_signIn, ThemeManager::BodyMedium);
    m_createAccount = new QPushButton(tr("&Create Account"), page);
    m_createAccount->setObjectName(QStringLiteral("accountCreate"));
    m_createAccount->setMinimumHeight(40);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_signIn);
    buttons->addWidget(m_createAccount);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    m_waiting = wrappedLabel(tr("Finish signing in in your browser. This window updates when you are done."), page);
    m_waiting->setAlignment(Qt::AlignHCenter);
    m_muted.append(m_waiting);
    layout->addWidget(m_waiting);
    m_cancel = new QPushButton(tr("Cance&l Sign-In"), page);
    m_cancel->setObjectName(QStringLiteral("accountCancel"));
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    m_error = wrappedLabel(QString(), page);
    m_error->setObjectName(QStringLiteral("accountError"));
    m_error->setAlignment(Qt::AlignHCenter);
    m_error->hide();
    layout->addWidget(m_error);
    layout->addStretch(2);

    connect(m_signIn, &QPushButton::clicked, this, [this] { m_client->signIn()->signIn(false); });
    connect(m_createAccount, &QPushButton::clicked, this, [this] { m_client->signIn()->signIn(true); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_client->signIn()->cancelSignIn(); });
    return page;
}

QWidget *AccountWindow::buildSignedInPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(32, 28, 32, 24);
    layout->setSpacing(10);

    auto *who = new QHBoxLayout;
    who->setSpacing(16);
    m_avatar = new QLabel(page);
    m_avatar->setAccessibleName(tr("Account"));
    who->addWidget(m_avatar, 0, Qt::AlignTop);
    auto *names = new QVBoxLayout;
    names->setSpacing(2);
    m_name = new QLabel(page);
    m_name->setObjectName(QStringLiteral("accountName"));
    m_name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ThemeManager::setRole(m_name, ThemeManager::Title);
    names->addWidget(m_name);
    m_email = new QLabel(page);
    m_email->setObjectName(QStringLiteral("accountEmail"));
    m_email->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ThemeManager::setRole(m_email, ThemeManager::Subheading);
    m_muted.append(m_email);
    names->addWidget(m_email);
    who->addLayout(names, 1);
    layout->addLayout(who);
    layout->addSpacing(14);

    auto *devicesTitle = new QLabel(tr("&Devices"), page);
    ThemeManager::setRole(devicesTitle, ThemeManager::Heading);
    layout->addWidget(devicesTitle);
    auto *devicesNote = wrappedLabel(tr("Where this account is in use. This device comes first."), page, ThemeManager::Small);
    m_muted.append(devicesNote);
    layout->addWidget(devicesNote);
    m_devices = new QListWidget(page);
    m_devices->setObjectName(QStringLiteral("accountDevices"));
    m_devices->setAccessibleName(tr("Devices"));
    m_devices->setSelectionMode(QAbstractItemView::NoSelection);
    m_devices->setWordWrap(true);
    m_devices->setSpacing(3);
    devicesTitle->setBuddy(m_devices);
    layout->addWidget(m_devices, 1);

    m_portal = new QPushButton(tr("&Manage Account Online\u2026"), page);
    m_portal->setObjectName(QStringLiteral("accountPortal"));
    m_signOut = new QPushButton(tr("Sign &Out"), page);
    m_signOut->setObjectName(QStringLiteral("accountSignOut"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_portal);
    buttons->addStretch(1);
    buttons->addWidget(m_signOut);
    layout->addLayout(buttons);

    connect(m_portal, &QPushButton::clicked, this, [this] { QDesktopServices::openUrl(m_client->portalUrl()); });
    connect(m_signOut, &QPushButton::clicked, this, [this] { m_client->signIn()->signOut(); });
    return page;
}

bool AccountWindow::showsSignedIn() const
{
    return m_pages->currentIndex() == 1;
}

QString AccountWindow::nameText() const
{
    return m_name->text();
}

QString AccountWindow::emailText() const
{
    return m_email->text();
}

void AccountWindow::updateState()
{
    const bool signedIn = m_client->isAuthenticated();
    m_pages->setCurrentIndex(signedIn ? 1 : 0);
    if (signedIn) {
        m_error->hide();
        updateProfile();
        updateDevices();
        m_client->refreshAccount();
    }
}

void AccountWindow::updateProfile()
{
    const QString name = m_client->displayName();
    m_name->setText(name.isEmpty() ? m_client->email() : name);
    m_email->setText(name.isEmpty() ? QString() : m_client->email());
    m_email->setVisible(!m_email->text().isEmpty());
}

void AccountWindow::updateDevices()
{
    m_devices->clear();
    const QString self = LarkAccount::Client::deviceId();
    const QJsonArray devices = m_client->devices();
    QList<QListWidgetItem *> items;
    for (const QJsonValue &value : devices) {
        const QJsonObject device = value.toObject();
        const bool isSelf = device.value(QStringLiteral("device_id")).toString() == self;
        QString name = device.value(QStringLiteral("name")).toString();
        if (name.isEmpty())
            name = tr("Unnamed device");
        const QDateTime seen = QDateTime::fromString(device.value(QStringLiteral("last_seen_at")).toString(), Qt::ISODate);
        const QString platform = device.value(QStringLiteral("platform")).toString();
        QStringList details = {platformLabel(platform),
                               tr("version %1").arg(device.value(QStringLiteral("app_version")).toString())};
        if (seen.isValid())
            details.append(tr("last seen %1").arg(QLocale().toString(seen.toLocalTime(), QLocale::ShortFormat)));
        const QString text = (isSelf ? tr("%1 (this device)").arg(name) : name) + QLatin1Char('\n')
                             + details.join(QStringLiteral("  \u00b7  "));
        auto *item = new QListWidgetItem(text);
        item->setIcon(Glyph::icon(isDesktop(platform) ? kComputer : kSmartphone, ThemeManager::tone(ThemeManager::Muted), 22));
        if (isSelf)
            items.prepend(item);
        else
            items.append(item);
    }
    for (QListWidgetItem *item : std::as_const(items))
        m_devices->addItem(item);
}

void AccountWindow::setPending(bool pending)
{
    m_signIn->setEnabled(!pending);
    m_createAccount->setEnabled(!pending);
    m_waiting->setVisible(pending);
    m_cancel->setVisible(pending);
    if (pending) {
        m_error->hide();
        m_cancel->setFocus();
    }
}

void AccountWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        restyle();
    QWidget::changeEvent(event);
}

void AccountWindow::restyle()
{
    // The application palette is the theme in force; this window's own may
    // not have caught up yet.
    const bool dark = ThemeManager::darkNow();
    const QColor accent = ThemeManager::tone(ThemeManager::Accent);
    m_outIcon->setPixmap(Glyph::pixmap(kAccountCircle, accent, 72, 80));
    m_avatar->setPixmap(Glyph::pixmap(kAccountCircle, accent, 56, 64));
    const QString muted = QStringLiteral("color: %1;").arg(ThemeManager::toneName(ThemeManager::Muted));
    for (QLabel *label : std::as_const(m_muted))
        label->setStyleSheet(muted);
    m_error->setStyleSheet(QStringLiteral("color: %1;").arg(ThemeManager::toneName(ThemeManager::Negative)));
    const QString onAccent = QLatin1String(dark ? "#0F1E19" : "#FFFFFF");
    m_signIn->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 6px; "
                                           "padding: 8px 22px; } QPushButton:disabled { background: %3; } "
                                           "QPushButton:focus { border: 2px solid %4; }")
                                .arg(accent.name(), onAccent, palette().color(QPalette::Mid).name(),
                                     palette().color(QPalette::Dark).name()));
    updateDevices();
}
