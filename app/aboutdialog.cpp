#include "app/aboutdialog.h"

#include "app/thememanager.h"
#include "ui/prompt.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString &version, const QString &dataDirectory, QWidget *parent)
    : QDialog(parent)
    , m_dataDirectory(dataDirectory)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Larkspire Quillet"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(8);

    auto *header = new QHBoxLayout;
    header->setSpacing(16);
    auto *icon = new QLabel(this);
    icon->setPixmap(windowIcon().pixmap(64, 64));
    icon->setAccessibleName(tr("Larkspire Quillet"));
    header->addWidget(icon, 0, Qt::AlignTop);
    auto *text = new QLabel(QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
                                .arg(tr("Larkspire Quillet").toHtmlEscaped(),
                                     tr("Version %1").arg(version).toHtmlEscaped(),
                                     tr("A fast, keyboard-first check register for your household accounts.")
                                         .toHtmlEscaped()),
                            this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    header->addWidget(text, 1);
    layout->addLayout(header);

    auto *licences = new QLabel(
        tr("Built with Qt %1, used under the GNU Lesser General Public License version 3 (LGPL v3). "
           "Icons: the Material Icons font, under the Apache License 2.0.")
            .arg(QString::fromLatin1(qVersion())),
        this);
    licences->setObjectName(QStringLiteral("aboutLicences"));
    licences->setWordWrap(true);
    ThemeManager::setRole(licences, ThemeManager::Small);
    m_muted.append(licences);
    layout->addWidget(licences);
    layout->addSpacing(8);

    auto *folderTitle = new QLabel(tr("Your data"), this);
    ThemeManager::setRole(folderTitle, ThemeManager::Heading);
    layout->addWidget(folderTitle);
    auto *folder = new QLabel(QDir::toNativeSeparators(dataDirectory), this);
    folder->setObjectName(QStringLiteral("aboutDataFolder"));
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ThemeManager::setRole(folder, ThemeManager::Mono);
    layout->addWidget(folder);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_openFolder = buttons->addButton(tr("Open Data &Folder"), QDialogButtonBox::ActionRole);
    m_openFolder->setObjectName(QStringLiteral("aboutOpenFolder"));
    connect(m_openFolder, &QPushButton::clicked, this, [this] {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_dataDirectory)))
            Prompt::warning(this, tr("Open Folder"),
                            tr("The folder could not be opened:\n%1").arg(QDir::toNativeSeparators(m_dataDirectory)));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    // Wide enough for the licences to read as a paragraph, not a column.
    setMinimumWidth(fontMetrics().averageCharWidth() * 64);
    restyle();
}

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        restyle();
    QDialog::changeEvent(event);
}

void AboutDialog::restyle()
{
    const QString muted = QStringLiteral("color: %1;").arg(ThemeManager::toneName(ThemeManager::Muted));
    for (QLabel *l : std::as_const(m_muted))
        l->setStyleSheet(muted);
}
