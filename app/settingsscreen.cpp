#include "app/settingsscreen.h"

#include "app/application.h"
#include "app/appstate.h"
#include "app/settingswidgets.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "services/accountservice.h"
#include "services/datetext.h"
#include "ui/glyph.h"
#include "ui/prompt.h"
#include "ui/settings/backuppanel.h"
#include "ui/settings/safetycopiespanel.h"
#include "ui/settings/syncpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

SettingsScreen::SettingsScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("settingsScreen"));
    setWindowTitle(tr("Preferences"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pageList = new QListWidget(this);
    m_pageList->setObjectName(QStringLiteral("settingsPages"));
    m_pageList->setAccessibleName(tr("Preference pages"));
    m_pageList->setFixedWidth(150);
    m_pageList->setIconSize(QSize(20, 20));
    m_pageList->setFrameShape(QFrame::NoFrame);
    layout->addWidget(m_pageList);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(SettingsWidgets::scrollPage(buildGeneralPage(), tr("General")));
    m_pages->addWidget(SettingsWidgets::scrollPage(buildRegisterPage(), tr("Register")));
    m_pages->addWidget(SettingsWidgets::scrollPage(buildDataPage(), tr("Data & Sync")));
    m_pages->addWidget(SettingsWidgets::scrollPage(buildAboutPage(), tr("About")));
    layout->addWidget(m_pages, 1);

    for (const QString &name : {tr("General"), tr("Register"), tr("Data & Sync"), tr("About")})
        new QListWidgetItem(name, m_pageList);
    connect(m_pageList, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_pageList->setCurrentRow(0);
    restyle();
    fitToFont();
}

void SettingsScreen::showPage(Page page)
{
    m_pageList->setCurrentRow(int(page));
}

QWidget *SettingsScreen::buildGeneralPage()
{
    auto *page = new QWidget;
    QVBoxLayout *layout = SettingsWidgets::pageLayout(page);

    QFormLayout *appearance = SettingsWidgets::group(layout, tr("Appearance"), tr("Control how Larkspire Quillet looks."));
    m_theme = new QComboBox(page);
    m_theme->addItem(tr("System Default"), QStringLiteral("system"));
    m_theme->addItem(tr("Light"), QStringLiteral("light"));
    m_theme->addItem(tr("Dark"), QStringLiteral("dark"));
    const int themeIndex = m_theme->findData(m_state->preferences()->get(QStringLiteral("theme"), QStringLiteral("system")));
    m_theme->setCurrentIndex(themeIndex < 0 ? 0 : themeIndex);
    connect(m_theme, &QComboBox::currentIndexChanged, this,
            [this] { m_state->themeManager()->applyTheme(m_theme->currentData().toString()); });
    SettingsWidgets::addRow(appearance, tr("&Theme"), m_theme);

    m_fontSize = new QComboBox(page);
    const QList<QPair<QString, int>> sizes = {
        {tr("Small"), 85}, {tr("Default"), 100}, {tr("Medium"), 115}, {tr("Large"), 130}, {tr("Extra Large"), 150}};
    for (const auto &size : sizes)
        m_fontSize->addItem(size.first, size.second);
    const int sizeIndex = m_fontSize->findData(ThemeManager::fontScale());
    m_fontSize->setCurrentIndex(sizeIndex < 0 ? 1 : sizeIndex);
    connect(m_fontSize, &QComboBox::currentIndexChanged, this,
            [this] { m_state->themeManager()->setFontScale(m_fontSize->currentData().toInt()); });
    SettingsWidgets::addRow(appearance, tr("&Font size"), m_fontSize);

    QFormLayout *regional = SettingsWidgets::group(layout, tr("Regional"), tr("Date and calendar preferences."));
    m_weekStart = new QComboBox(page);
    m_weekStart->addItem(tr("Sunday"), 7);
    m_weekStart->addItem(tr("Monday"), 1);
    m_weekStart->addItem(tr("Saturday"), 6);
    const int storedDay = m_state->preferences()
                              ->get(QStringLiteral("weekStartDay"), QString::number(int(QLocale::system().firstDayOfWeek())))
                              .toInt();
    const int dayIndex = m_weekStart->findData(storedDay);
    m_weekStart->setCurrentIndex(dayIndex < 0 ? 0 : dayIndex);
    connect(m_weekStart, &QComboBox::currentIndexChanged, this, [this] {
        const int day = m_weekStart->currentData().toInt();
        AppState::setFirstDayOfWeek(Qt::DayOfWeek(day));
        m_state->preferences()->set(QStringLiteral("weekStartDay"), QString::number(day));
    });
    SettingsWidgets::addRow(regional, tr("&Week starts on"), m_weekStart);

    m_language = new QComboBox(page);
    m_language->addItem(tr("System Default"), QStringLiteral("system"));
    m_language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_language->addItem(QStringLiteral("Espa\u00f1ol"), QStringLiteral("es"));
    m_language->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_language->addItem(QStringLiteral("Fran\u00e7ais"), QStringLiteral("fr"));
    m_language->addItem(QStringLiteral("\u65e5\u672c\u8a9e"), QStringLiteral("ja"));
    const int languageIndex = m_language->findData(Application::language(false));
    m_language->setCurrentIndex(languageIndex < 0 ? 0 : languageIndex);
    connect(m_language, &QComboBox::currentIndexChanged, this, [this] {
        const QString code = m_language->currentData().toString();
        if (code == Application::language(false))
            return;
        Application::setLanguage(code);
        Prompt::information(this, tr("Language Changed"),
                            tr("The new language will take effect the next time you start Larkspire Quillet."));
    });
    SettingsWidgets::addRow(regional, tr("&Language"), m_language);

    layout->addStretch(1);
    return page;
}

QWidget *SettingsScreen::buildRegisterPage()
{
    auto *page = new QWidget;
    QVBoxLayout *layout = SettingsWidgets::pageLayout(page);
    SettingsWidgets::pageNote(layout, tr("How transactions appear in the register."));

    QFormLayout *display = SettingsWidgets::group(layout, tr("Display"), QString());
    m_twoLine = new QCheckBox(tr("Two-line rows"), page);
    m_twoLine->setChecked(m_state->preferences()->getBool(QStringLiteral("registerTwoLine"), false));
    connect(m_twoLine, &QCheckBox::toggled, this,
            [this](bool on) { m_state->preferences()->setBool(QStringLiteral("registerTwoLine"), on); });
    SettingsWidgets::addCheck(display, m_twoLine, tr("Show memo on a second line below the payee."));

    QFormLayout *sorting = SettingsWidgets::group(layout, tr("Sorting"), tr("Control the order of transactions in the register."));
    m_newestFirst = new QCheckBox(tr("Show newest transactions first"), page);
    m_newestFirst->setChecked(m_state->preferences()->getBool(QStringLiteral("registerNewestFirst"), true));
    connect(m_newestFirst, &QCheckBox::toggled, this,
            [this](bool on) { m_state->preferences()->setBool(QStringLiteral("registerNewestFirst"), on); });
    SettingsWidgets::addCheck(sorting, m_newestFirst, tr("When enabled, the most recent transactions appear at the top."));

    layout->addStretch(1);
    return page;
}

QWidget *SettingsScreen::buildDataPage()
{
    auto *page = new QWidget;
    QVBoxLayout *layout = SettingsWidgets::pageLayout(page);

    m_dataBlocks = new QVBoxLayout;
    m_dataBlocks->setSpacing(14);
    layout->addLayout(m_dataBlocks);
    SettingsWidgets::addCard(m_dataBlocks, new SyncPanel(m_state, page));
    SettingsWidgets::addCard(m_dataBlocks, new BackupPanel(m_state, page));
    SettingsWidgets::addCard(m_dataBlocks, new SafetyCopiesPanel(m_state, page));

    QFormLayout *deleted = SettingsWidgets::group(layout, tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here."));
    m_deleted = new QListWidget(page);
    m_deleted->setObjectName(QStringLiteral("deletedAccounts"));
    m_deleted->setAccessibleName(tr("Deleted accounts"));
    m_deleted->setMinimumHeight(110);
    deleted->addRow(m_deleted);
    m_restore = new QPushButton(tr("Restore Selected"), page);
    m_restore->setObjectName(QStringLiteral("restoreDeletedAccount"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_restore);
    deleted->addRow(buttons);
    connect(m_restore, &QPushButton::clicked, this, &SettingsScreen::restoreSelected);
    connect(m_deleted, &QListWidget::itemSelectionChanged, this,
            [this] { m_restore->setEnabled(m_deleted->currentItem() != nullptr); });
    connect(m_state->accounts(), &AccountRepository::accountsChanged, this, &SettingsScreen::refreshDeletedAccounts);
    refreshDeletedAccounts();

    layout->addStretch(1);
    return page;
}

QWidget *SettingsScreen::buildAboutPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 24, 20, 18);
    layout->setSpacing(8);
    auto *icon = new QLabel(page);
    icon->setPixmap(windowIcon().pixmap(64, 64));
    icon->setAccessibleName(tr("Larkspire Quillet"));
    layout->addWidget(icon);
    auto *name = new QLabel(tr("Larkspire Quillet"), page);
    ThemeManager::setRole(name, ThemeManager::Title);
    layout->addWidget(name);
    auto *version = new QLabel(tr("Version %1").arg(QString::fromLatin1(Application::kVersion)), page);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(version);
    auto *description = new QLabel(
        tr("A fast, keyboard-first check register for your household accounts. Your data lives in one file on this "
           "device and works fully offline."),
        page);
    description->setWordWrap(true);
    layout->addWidget(description);
    layout->addSpacing(10);
    auto *qt = new QLabel(tr("Larkspire Quillet uses the Qt framework, licensed under the GNU Lesser General Public "
                             "License version 3 (LGPL v3). Icons: Material Icons, Apache License 2.0."),
                          page);
    qt->setWordWrap(true);
    ThemeManager::setRole(qt, ThemeManager::Small);
    qt->setObjectName(QStringLiteral("settingsMuted"));
    layout->addWidget(qt);
    layout->addStretch(1);
    return page;
}

void SettingsScreen::refreshDeletedAccounts()
{
    m_deleted->clear();
    for (const Account &account : m_state->accounts()->listDeleted()) {
        const QString when = DateText::formatLong(account.deletedAt.toLocalTime().date());
        auto *item = new QListWidgetItem(tr("%1  \u2014  deleted %2").arg(account.name, when), m_deleted);
        item->setData(Qt::UserRole, account.id);
    }
    m_restore->setEnabled(m_deleted->currentItem() != nullptr);
}

void SettingsScreen::restoreSelected()
{
    QListWidgetItem *item = m_deleted->currentItem();
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (id.isEmpty())
        return;
    if (!m_state->accountService()->restoreAccount(id))
        Prompt::warning(this, tr("Restore Account"), tr("The account could not be restored. Please try again."));
    refreshDeletedAccounts();
    Q_EMIT deletedAccountRestored();
}

void SettingsScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        restyle();
    // The font size is chosen here: the window grows with it at once.
    if (event->type() == QEvent::FontChange)
        QTimer::singleShot(0, this, &SettingsScreen::fitToFont);
    QWidget::changeEvent(event);
}

void SettingsScreen::fitToFont()
{
    int widest = 0;
    for (int row = 0; row < m_pageList->count(); ++row)
        widest = qMax(widest, m_pageList->fontMetrics().horizontalAdvance(m_pageList->item(row)->text()));
    m_pageList->setFixedWidth(qMax(150, widest + m_pageList->iconSize().width() + 40));
    if (isVisible() && !isMaximized() && width() < sizeHint().width())
        resize(sizeHint().width(), height());
}

QSize SettingsScreen::sizeHint() const
{
    int page = 0;
    for (int i = 0; i < m_pages->count(); ++i) {
        if (auto *scroll = qobject_cast<QScrollArea *>(m_pages->widget(i)))
            page = qMax(page, scroll->widget()->minimumSizeHint().width());
    }
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int scale = qMax(100, ThemeManager::fontScale());
    return QSize(m_pageList->width() + page + scrollBar + 4, 550 * scale / 100);
}

void SettingsScreen::restyle()
{
    const bool dark = ThemeManager::darkNow();
    const QColor iconColor(QLatin1String(dark ? "#4DB6AC" : "#00897B"));
    const ushort glyphs[] = {Glyph::Settings, Glyph::ViewList, Glyph::Sync, Glyph::Info};
    const QColor selectedColor = palette().color(QPalette::HighlightedText);
    for (int i = 0; i < m_pageList->count(); ++i) {
        QIcon icon = Glyph::icon(glyphs[i], iconColor, 20);
        icon.addPixmap(Glyph::pixmap(glyphs[i], selectedColor, 20), QIcon::Selected);
        m_pageList->item(i)->setIcon(icon);
    }
    SettingsWidgets::restyle(this, dark);
}
