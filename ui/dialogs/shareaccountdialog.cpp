#include "ui/dialogs/shareaccountdialog.h"

#include "app/thememanager.h"
#include "ui/prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { PersonColumn, RoleColumn, SinceColumn };
const QString kViewer = QStringLiteral("viewer");
const QString kEditor = QStringLiteral("editor");

} // namespace

ShareAccountDialog::ShareAccountDialog(AccountSharingService *sharing, const QString &accountId,
                                       const QString &accountName, QWidget *parent)
    : QDialog(parent)
    , m_sharing(sharing)
    , m_accountId(accountId)
    , m_accountName(accountName)
{
    setWindowTitle(tr("Share \"%1\"").arg(accountName));
    buildUi();
    refresh();
}

QString ShareAccountDialog::roleText(const QString &role)
{
    if (role == QLatin1String("owner"))
        return tr("Owner");
    if (role == kEditor)
        return tr("Editor");
    return tr("Viewer");
}

void ShareAccountDialog::buildUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(10);

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("shareHeading"));
    m_heading->setWordWrap(true);
    ThemeManager::setRole(m_heading, ThemeManager::BodyMedium);
    layout->addWidget(m_heading);

    m_members = new QTreeWidget(this);
    m_members->setObjectName(QStringLiteral("shareMembers"));
    m_members->setAccessibleName(tr("People who share this account"));
    m_members->setHeaderLabels({tr("Person"), tr("Role"), tr("Since")});
    m_members->setRootIsDecorated(false);
    m_members->setUniformRowHeights(true);
    m_members->setAllColumnsShowFocus(true);
    m_members->header()->setStretchLastSection(false);
    m_members->header()->setSectionResizeMode(PersonColumn, QHeaderView::Stretch);
    m_members->header()->setSectionResizeMode(RoleColumn, QHeaderView::ResizeToContents);
    m_members->header()->setSectionResizeMode(SinceColumn, QHeaderView::ResizeToContents);
    layout->addWidget(m_members, 1);

    m_changeRole = new QPushButton(tr("Make &Editor"), this);
    m_changeRole->setObjectName(QStringLiteral("shareChangeRole"));
    m_remove = new QPushButton(tr("&Remove"), this);
    m_remove->setObjectName(QStringLiteral("shareRemove"));
    m_remove->setAccessibleDescription(tr("Stop sharing this account with the selected person"));
    auto *memberButtons = new QHBoxLayout;
    memberButtons->addStretch(1);
    memberButtons->addWidget(m_changeRole);
    memberButtons->addWidget(m_remove);
    layout->addLayout(memberButtons);

    m_addRow = new QWidget(this);
    auto *addLayout = new QHBoxLayout(m_addRow);
    addLayout->setContentsMargins(0, 0, 0, 0);
    auto *addLabel = new QLabel(tr("Share &with:"), m_addRow);
    m_person = new QComboBox(m_addRow);
    m_person->setObjectName(QStringLiteral("sharePerson"));
    m_person->setAccessibleName(tr("Family group member"));
    m_person->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_person->setMinimumContentsLength(18);
    addLabel->setBuddy(m_person);
    auto *asLabel = new QLabel(tr("&as"), m_addRow);
    m_role = new QComboBox(m_addRow);
    m_role->setObjectName(QStringLiteral("shareRole"));
    m_role->setAccessibleName(tr("Role"));
    m_role->addItem(tr("Viewer"), kViewer);
    m_role->addItem(tr("Editor"), kEditor);
    m_role->setToolTip(tr("A viewer sees the account; an editor can also enter and change its transactions."));
    asLabel->setBuddy(m_role);
    m_add = new QPushButton(tr("&Add"), m_addRow);
    m_add->setObjectName(QStringLiteral("shareAdd"));
    addLayout->addWidget(addLabel);
    addLayout->addWidget(m_person, 1);
    addLayout->addWidget(asLabel);
    addLayout->addWidget(m_role);
    addLayout->addWidget(m_add);
    layout->addWidget(m_addRow);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("shareMessage"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_message);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_add, &QPushButton::clicked, this, &ShareAccountDialog::addMember);
    connect(m_changeRole, &QPushButton::clicked, this, &ShareAccountDialog::changeRole);
    connect(m_remove, &QPushButton::clicked, this, &ShareAccountDialog::removeMember);
    connect(m_members, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (current)
            current->setSelected(true);
        updateButtons();
    });
    connect(m_members, &QTreeWidget::itemSelectionChanged, this, &ShareAccountDialog::updateButtons);
    setTabOrder(m_members, m_changeRole);
    setTabOrder(m_changeRole, m_remove);
    setTabOrder(m_remove, m_person);
    setTabOrder(m_person, m_role);
    setTabOrder(m_role, m_add);
    resize(560, 420);
}

QString ShareAccountDialog::messageText() const
{
    return m_message->text();
}

void ShareAccountDialog::showMessage(const QString &text, bool error)
{
    m_message->setText(text);
    m_message->setAccessibleName(text);
    m_message->setVisible(!text.isEmpty());
    m_message->setStyleSheet(
        error ? QStringLiteral("color: %1;").arg(ThemeManager::toneName(ThemeManager::Negative)) : QString());
}

void ShareAccountDialog::refresh()
{
    const QString unavailable = m_sharing->unavailableReason(m_accountId);
    if (!unavailable.isEmpty()) {
        m_heading->setText(tr("\"%1\" cannot be shared right now.").arg(m_accountName));
        m_loaded = false;
        m_members->clear();
        showMessage(unavailable, true);
        updateButtons();
        return;
    }
    m_heading->setText(tr("Share \"%1\" with members of your family group.").arg(m_accountName));
    showMessage(tr("Asking the service who shares it..."), false);
    setBusy(true);
    m_sharing->members(m_accountId, whenAnswered());
}

AccountSharingService::Done ShareAccountDialog::whenAnswered()
{
    QPointer<ShareAccountDialog> self(this);
    return [self](bool ok, const QString &error, const AccountSharingService::Sharing &sharing) {
        if (!self)
            return;
        self->setBusy(false);
        if (ok)
            self->showSharing(sharing);
        else
            self->showMessage(error, true);
        Q_EMIT self->answered();
    };
}

void ShareAccountDialog::showSharing(const AccountSharingService::Sharing &sharing)
{
    const QString selected = selectedMember().first;
    m_current = sharing;
    m_loaded = true;
    showMessage(QString(), false);
    if (!sharing.isOwner()) {
        m_heading->setText(sharing.myRole == kEditor
                               ? tr("%1 shares \"%2\" with you. You can view it and enter transactions in it.")
                                     .arg(sharing.owner.label(), m_accountName)
                               : tr("%1 shares \"%2\" with you to view.").arg(sharing.owner.label(), m_accountName));
    }
    m_members->clear();
    const QLocale locale;
    auto row = [this, &locale](const AccountSharingService::Person &person, const QString &role, const QDateTime &since) {
        auto *item = new QTreeWidgetItem(m_members, {person.label(), roleText(role),
                                                     since.isValid() ? locale.toString(since.toLocalTime().date(),
                                                                                       QLocale::ShortFormat)
                                                                     : QString()});
        item->setData(PersonColumn, Qt::UserRole, person.userId);
        item->setData(RoleColumn, Qt::UserRole, role);
        return item;
    };
    row(sharing.owner, QStringLiteral("owner"), {});
    for (const AccountSharingService::Member &member : sharing.members) {
        QTreeWidgetItem *item = row(member.person, member.role, member.createdAt);
        if (member.person.userId == selected)
            m_members->setCurrentItem(item);
    }
    m_person->clear();
    for (const AccountSharingService::Person &person : sharing.candidates)
        m_person->addItem(person.label(), person.userId);
    if (sharing.isOwner() && sharing.candidates.isEmpty() && sharing.members.isEmpty())
        showMessage(tr("Nobody else is in your family group yet. Invite your household from your Larkspire "
                       "account's family page first."),
                    false);
    updateButtons();
}

QPair<QString, QString> ShareAccountDialog::selectedMember() const
{
    const QList<QTreeWidgetItem *> chosen = m_members->selectedItems();
    if (chosen.isEmpty())
        return {};
    const QString role = chosen.first()->data(RoleColumn, Qt::UserRole).toString();
    if (role == QLatin1String("owner"))
        return {};
    return {chosen.first()->data(PersonColumn, Qt::UserRole).toString(), role};
}

void ShareAccountDialog::setBusy(bool busy)
{
    m_busy = busy;
    updateButtons();
}

void ShareAccountDialog::updateButtons()
{
    const bool owner = m_loaded && m_current.isOwner();
    const QPair<QString, QString> member = selectedMember();
    m_addRow->setVisible(owner);
    m_changeRole->setVisible(owner);
    m_remove->setVisible(owner);
    m_members->setEnabled(m_loaded);
    m_person->setEnabled(owner && !m_busy && m_person->count() > 0);
    m_role->setEnabled(owner && !m_busy);
    m_add->setEnabled(owner && !m_busy && m_person->count() > 0);
    m_remove->setEnabled(owner && !m_busy && !member.first.isEmpty());
    m_changeRole->setEnabled(owner && !m_busy && !member.first.isEmpty());
    m_changeRole->setText(member.second == kEditor ? tr("Make &Viewer") : tr("Make &Editor"));
    m_changeRole->setAccessibleDescription(tr("Change what the selected person may do in this account"));
}

void ShareAccountDialog::addMember()
{
    const QString userId = m_person->currentData().toString();
    if (userId.isEmpty())
        return;
    setBusy(true);
    m_sharing->share(m_accountId, userId, m_role->currentData().toString(), whenAnswered());
}

void ShareAccountDialog::changeRole()
{
    const QPair<QString, QString> member = selectedMember();
    if (member.first.isEmpty())
        return;
    setBusy(true);
    m_sharing->share(m_accountId, member.first, member.second == kEditor ? kViewer : kEditor, whenAnswered());
}

void ShareAccountDialog::removeMember()
{
    const QPair<QString, QString> member = selectedMember();
    if (member.first.isEmpty())
        return;
    const QString name = m_members->selectedItems().constFirst()->text(PersonColumn);
    if (Prompt::question(this, tr("Stop Sharing"),
                         tr("Stop sharing \"%1\" with %2?\n\nThe account and its transactions leave their "
                            "computers at their next sync.")
                             .arg(m_accountName, name))
        != QMessageBox::Yes)
        return;
    setBusy(true);
    m_sharing->unshare(m_accountId, member.first, whenAnswered());
}
