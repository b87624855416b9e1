#include "ui/update/whatsnewwindow.h"

#include "app/thememanager.h"
#include "cloud/updaterelease.h"
#include "ui/update/updatewindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

WhatsNewWindow::WhatsNewWindow(const QString &version, const QString &productTitle, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("whatsNewWindow"));
    setWindowTitle(tr("What's New in %1").arg(productTitle));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(10);
    auto *title = new QLabel(tr("What's new in %1 %2").arg(productTitle, version), this);
    title->setWordWrap(true);
    ThemeManager::setRole(title, ThemeManager::Title);
    layout->addWidget(title);

    m_notes = new QTextBrowser(this);
    m_notes->setObjectName(QStringLiteral("whatsNewNotes"));
    m_notes->setAccessibleName(tr("What's new"));
    m_notes->setFrameShape(QFrame::NoFrame);
    m_notes->setOpenLinks(false);
    connect(m_notes, &QTextBrowser::anchorClicked, this, [](const QUrl &url) {
        if (LarkUpdate::isTrustedUrl(url))
            UpdateWindow::openUrl(url);
    });
    m_notes->setMarkdown(sectionFor(builtInNotes(), version));
    layout->addWidget(m_notes, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    layout->addWidget(buttons);
}

QString WhatsNewWindow::builtInNotes()
{
    QFile file(QStringLiteral(":/docs/whats-new.md"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString WhatsNewWindow::sectionFor(const QString &notes, const QString &version)
{
    const QStringList lines = notes.split(QLatin1Char('\n'));
    const LarkUpdate::Version wanted = LarkUpdate::Version::parse(version);
    qsizetype start = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).startsWith(QLatin1String("## ")))
            continue;
        if (start >= 0)
            return lines.mid(start, i - start).join(QLatin1Char('\n')).trimmed();
        // "## 1.1.1" or "## 1.1.1 (2026-12-01)": the first word names the version.
        const QString named = lines.at(i).mid(3).trimmed().section(QLatin1Char(' '), 0, 0);
        if (LarkUpdate::Version::isWellFormed(named) && LarkUpdate::Version::parse(named) == wanted)
            start = i + 1;
    }
    return start >= 0 ? lines.mid(start).join(QLatin1Char('\n')).trimmed() : notes.trimmed();
}
