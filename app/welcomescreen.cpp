#include "app/welcomescreen.h"

#include "app/thememanager.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WelcomeScreen::WelcomeScreen(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("welcomeScreen"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(48, 32, 48, 32);
    outer->addStretch(1);

    auto *column = new QWidget(this);
    // A fixed width lets the wrapped texts work out their height.
    column->setFixedWidth(460);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    m_icon = new QLabel(column);
    m_icon->setPixmap(QIcon(QStringLiteral(":/icons/icons/app_icon.png")).pixmap(88, 88));
    m_icon->setAlignment(Qt::AlignHCenter);
    m_icon->setAccessibleName(tr("Larkspire Quillet"));
    layout->addWidget(m_icon);

    m_title = new QLabel(column);
    m_title->setAlignment(Qt::AlignHCenter);
    m_title->setWordWrap(true);
    ThemeManager::setRole(m_title, ThemeManager::Display);
    layout->addWidget(m_title);

    m_subtitle = new QLabel(column);
    m_subtitle->setAlignment(Qt::AlignHCenter);
    m_subtitle->setWordWrap(true);
    ThemeManager::setRole(m_subtitle, ThemeManager::Subheading);
    layout->addWidget(m_subtitle);

    m_note = new QLabel(column);
    m_note->setAlignment(Qt::AlignHCenter);
    m_note->setWordWrap(true);
    ThemeManager::setRole(m_note, ThemeManager::Small);
    layout->addWidget(m_note);
    layout->addSpacing(12);

    m_primary = new QPushButton(column);
    m_primary->setObjectName(QStringLiteral("welcomePrimary"));
    m_primary->setMinimumHeight(40);
    m_primary->setDefault(true);
    m_primary->setCursor(Qt::PointingHandCursor);
    ThemeManager::setRole(m_primary, ThemeManager::BodyMedium);
    layout->addWidget(m_primary);

    m_secondary = new QPushButton(column);
    m_secondary->setObjectName(QStringLiteral("welcomeSecondary"));
    m_secondary->setFlat(true);
    m_secondary->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_secondary);
    layout->addSpacing(18);

    m_card = new QFrame(column);
    m_card->setObjectName(QStringLiteral("howItWorks"));
    auto *card = new QGridLayout(m_card);
    card->setContentsMargins(20, 16, 20, 18);
    card->setHorizontalSpacing(12);
    card->setVerticalSpacing(10);
    auto *cardTitle = new QLabel(tr("How it works"), m_card);
    ThemeManager::setRole(cardTitle, ThemeManager::Subheading);
    card->addWidget(cardTitle, 0, 0, 1, 2);
    const QStringList steps = {
        tr("Add an account (checking, savings, credit card, or any account you'd like to track)."),
        tr("Record transactions as you spend."),
        tr("Reconcile when your statement arrives."),
    };
    for (int i = 0; i < steps.size(); ++i) {
        auto *number = new QLabel(QString::number(i + 1), m_card);
        number->setFixedSize(24, 24);
        number->setAlignment(Qt::AlignCenter);
        ThemeManager::setRole(number, ThemeManager::Small, 700);
        m_stepNumbers.append(number);
        auto *text = new QLabel(steps.at(i), m_card);
        text->setWordWrap(true);
        card->addWidget(number, i + 1, 0, Qt::AlignTop);
        card->addWidget(text, i + 1, 1);
    }
    card->setColumnStretch(1, 1);
    layout->addWidget(m_card);

    // Centred by stretches, not by an alignment: an aligned widget only gets
    // its size hint, which does not know how many lines the wrapped step
    // texts take at this width and font, and the card was cut short.
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(column);
    row->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(2);

    connect(m_primary, &QPushButton::clicked, this, &WelcomeScreen::onPrimary);
    connect(m_secondary, &QPushButton::clicked, this, &WelcomeScreen::onSecondary);
    updateTexts();
    restyle();
}

void WelcomeScreen::setMode(Mode mode)
{
    m_mode = mode;
    updateTexts();
}

void WelcomeScreen::setSignInAvailable(bool available)
{
    m_signInAvailable = available;
    updateTexts();
}

QString WelcomeScreen::titleText() const
{
    return m_title->text();
}

void WelcomeScreen::updateTexts()
{
    const bool firstRun = m_mode == Mode::FirstRun;
    m_title->setText(firstRun ? tr("Welcome to\nLarkspire Quillet") : tr("Welcome back"));
    m_subtitle->setText(firstRun ? tr("A fast, keyboard-first check register for your household accounts.")
                                 : tr("Sign in to keep your data synced across devices."));
    m_note->setText(firstRun ? tr("Works fully offline. Your data stays on this device.")
                             : tr("Your session has ended. Sign back in to keep syncing."));
    m_primary->setText(firstRun ? tr("Create Your First Account") : tr("Sign In"));
    m_secondary->setText(firstRun ? tr("Already have an account? Sign In") : tr("Create a different account"));
    // Each button offering sign-in shows only while signing in is possible.
    m_primary->setVisible(!firstRun ? m_signInAvailable : true);
    m_secondary->setVisible(firstRun ? m_signInAvailable : true);
}

void WelcomeScreen::onPrimary()
{
    if (m_mode == Mode::FirstRun)
        Q_EMIT createAccountRequested();
    else
        Q_EMIT signInRequested();
}

void WelcomeScreen::onSecondary()
{
    if (m_mode == Mode::FirstRun)
        Q_EMIT signInRequested();
    else
        Q_EMIT createAccountRequested();
}

void WelcomeScreen::restyle()
{
    const bool dark = ThemeManager::darkNow();
    const QString accent = QLatin1String(dark ? "#4DB6AC" : "#00897B");
    const QString accentHover = QLatin1String(dark ? "#80CBC4" : "#00796B");
    const QString onAccent = QLatin1String(dark ? "#0F1E19" : "#FFFFFF");
    const QString muted = ThemeManager::toneName(ThemeManager::Muted);
    const QString border = QLatin1String(dark ? "#2A4038" : "#D8E0DB");
    const QString cardBack = QLatin1String(dark ? "#152420" : "#FFFFFF");
    m_primary->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 6px; "
                                            "padding: 8px 20px; } QPushButton:hover { background: %3; } "
                                            "QPushButton:focus { outline: none; border: 2px solid %4; }")
                                 .arg(accent, onAccent, accentHover, border));
    m_secondary->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: none; padding: 6px; } "
                                              "QPushButton:hover { text-decoration: underline; }")
                                   .arg(accent));
    m_note->setStyleSheet(QStringLiteral("color: %1;").arg(muted));
    m_subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(muted));
    m_card->setStyleSheet(QStringLiteral("#howItWorks { border: 1px solid %1; border-radius: 10px; background: %2; }")
                              .arg(border, cardBack));
    for (QLabel *number : std::as_const(m_stepNumbers))
        number->setStyleSheet(QStringLiteral("background: %1; color: %2; border-radius: 12px;").arg(accent, onAccent));
}
