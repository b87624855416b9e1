#include "ui/update/updatewindow.h"

#include "app/thememanager.h"
#include "ui/glyph.h"

#include <QDate>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr ushort kSystemUpdate = 0xE62A;

std::function<bool(const QUrl &)> &urlOpener()
{
    static std::function<bool(const QUrl &)> opener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    return opener;
}

QLabel *label(const QString &text, QWidget *parent, int role = ThemeManager::Body)
{
    auto *l = new QLabel(text, parent);
    l->setWordWrap(true);
    ThemeManager::setRole(l, role);
    return l;
}

} // namespace

UpdateWindow::UpdateWindow(const LarkUpdate::Release &release, const QString &runningVersion,
                           const QString &productTitle, QWidget *parent)
    : QDialog(parent)
    , m_release(release)
{
    setObjectName(QStringLiteral("updateWindow"));
    setWindowTitle(tr("Software Update"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(10);

    auto *header = new QHBoxLayout;
    header->setSpacing(16);
    m_icon = new QLabel(this);
    m_icon->setAccessibleName(tr("Update"));
    header->addWidget(m_icon, 0, Qt::AlignTop);
    auto *headings = new QVBoxLayout;
    headings->setSpacing(4);
    auto *title = label(tr("A new version of %1 is available").arg(productTitle), this, ThemeManager::Title);
    title->setObjectName(QStringLiteral("updateTitle"));
    headings->addWidget(title);
    auto *versions = label(tr("%1 %2 is out; you have %3.").arg(productTitle, release.version, runningVersion), this);
    versions->setObjectName(QStringLiteral("updateVersions"));
    headings->addWidget(versions);
    const QDate date = QDate::fromString(release.date, Qt::ISODate);
    if (date.isValid()) {
        auto *released = label(tr("Released %1").arg(QLocale().toString(date, QLocale::LongFormat)), this,
                               ThemeManager::Small);
        m_muted.append(released);
        headings->addWidget(released);
    }
    header->addLayout(headings, 1);
    layout->addLayout(header);
    layout->addSpacing(4);

    auto *notesTitle = label(tr("Release &notes"), this, ThemeManager::Heading);
    layout->addWidget(notesTitle);
    m_notes = new QTextBrowser(this);
    m_notes->setObjectName(QStringLiteral("updateNotes"));
    m_notes->setAccessibleName(tr("Release notes"));
    m_notes->setOpenLinks(false);
    m_notes->document()->setDocumentMargin(10);
    connect(m_notes, &QTextBrowser::anchorClicked, this, [](const QUrl &url) {
        if (LarkUpdate::isTrustedUrl(url))
            openUrl(url);
    });
    if (release.notes.trimmed().isEmpty())
        m_notes->setPlainText(release.notesUrl.isValid() ? tr("The notes for this version are on the web.")
                                                         : tr("No release notes came with this version."));
    else
        m_notes->setMarkdown(release.notes);
    notesTitle->setBuddy(m_notes);
    layout->addWidget(m_notes, 1);
    if (release.notesUrl.isValid()) {
        auto *web = m_webNotes = label(QString(), this);
        web->setObjectName(QStringLiteral("updateNotesLink"));
        web->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        web->setAccessibleName(tr("Read the release notes on the web"));
        connect(web, &QLabel::linkActivated, this, [this] { openUrl(m_release.notesUrl); });
        layout->addWidget(web);
    }

    const QString file = QFileInfo(release.url.path()).fileName();
    auto *download = label(tr("Download: %1 (%2)").arg(file, QLocale().formattedDataSize(release.size)), this,
                           ThemeManager::Small);
    download->setObjectName(QStringLiteral("updateDownload"));
    download->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_muted.append(download);
    layout->addWidget(download);
    auto *checksum = label(tr("SHA-256: %1").arg(release.sha256), this, ThemeManager::Small);
    checksum->setObjectName(QStringLiteral("updateChecksum"));
    checksum->setTextInteractionFlags(Qt::TextSelectableByMouse);
    checksum->setWordWrap(false);
    m_muted.append(checksum);
    layout->addWidget(checksum);

    m_skip = new QPushButton(tr("&Skip This Version"), this);
    m_skip->setObjectName(QStringLiteral("updateSkip"));
    m_remind = new QPushButton(tr("&Remind Me Later"), this);
    m_remind->setObjectName(QStringLiteral("updateRemind"));
    m_download = new QPushButton(tr("&Download"), this);
    m_download->setObjectName(QStringLiteral("updateDownloadButton"));
    m_download->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_skip);
    buttons->addStretch(1);
    buttons->addWidget(m_remind);
    buttons->addWidget(m_download);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    connect(m_skip, &QPushButton::clicked, this, [this] { done(Skip); });
    connect(m_remind, &QPushButton::clicked, this, [this] { done(RemindLater); });
    connect(m_download, &QPushButton::clicked, this, [this] {
        openUrl(m_release.url);
        done(Download);
    });
    m_download->setFocus();
    restyle();
}

void UpdateWindow::setUrlOpener(std::function<bool(const QUrl &)> opener)
{
    urlOpener() = std::move(opener);
}

bool UpdateWindow::openUrl(const QUrl &url)
{
    return urlOpener()(url);
}

void UpdateWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        restyle();
    QDialog::changeEvent(event);
}

void UpdateWindow::restyle()
{
    m_icon->setPixmap(Glyph::pixmap(kSystemUpdate, ThemeManager::tone(ThemeManager::Accent), 48, 56));
    const QString muted = QStringLiteral("color: %1;").arg(ThemeManager::toneName(ThemeManager::Muted));
    for (QLabel *l : std::as_const(m_muted))
        l->setStyleSheet(muted);
    // The toolkit's link blue is hard to read on the dark theme.
    if (m_webNotes)
        m_webNotes->setText(QStringLiteral("<a href=\"%1\" style=\"color: %2;\">%3</a>")
                                .arg(m_release.notesUrl.toString(QUrl::FullyEncoded).toHtmlEscaped(),
                                     ThemeManager::toneName(ThemeManager::Accent),
                                     tr("Read the release notes on the web").toHtmlEscaped()));
}
