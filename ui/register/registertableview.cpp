#include "ui/register/registertableview.h"

#include "app/thememanager.h"

#include <QCompleter>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>

RegisterTableView::RegisterTableView(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(24);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setHighlightSections(false);
    setSortingEnabled(true);
    setWordWrap(false);
    setAccessibleName(tr("Register"));
}

void RegisterTableView::setTwoLineRows(bool twoLine)
{
    m_twoLine = twoLine;
    updateRowHeight();
}

int RegisterTableView::rowHeightFor(bool twoLine) const
{
    const QFontMetrics body(font());
    if (!twoLine)
        return qMax(kRowHeight, body.height() * 2);
    // The payee's line, the memo's line in the small font under it, and a
    // margin above and below.
    const QFontMetrics small(ThemeManager::fontForRole(ThemeManager::Small));
    return qMax(kRowHeight, body.lineSpacing() + small.lineSpacing() + body.height() / 2 + 4);
}

void RegisterTableView::updateRowHeight()
{
    const int height = rowHeightFor(m_twoLine);
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
}

void RegisterTableView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateRowHeight();
}

QWidget *RegisterTableView::activeEditor() const
{
    if (state() != QAbstractItemView::EditingState)
        return nullptr;
    return indexWidget(currentIndex());
}

void RegisterTableView::commitAndCloseEditor()
{
    QWidget *editor = activeEditor();
    if (!editor)
        return;
    // A completer popup left open would take the focus back from the next
    // editor when it closes, and that editor would close with it.
    QList<QLineEdit *> lines = editor->findChildren<QLineEdit *>();
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        lines.append(line);
    for (QLineEdit *line : std::as_const(lines)) {
        if (QCompleter *completer = line->completer(); completer && completer->popup()->isVisible())
            completer->popup()->hide();
    }
    commitData(editor);
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool RegisterTableView::openEditor(const QModelIndex &index)
{
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable))
        return false;
    return edit(index, QAbstractItemView::AllEditTriggers, nullptr);
}

void RegisterTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        const bool forward = hint == QAbstractItemDelegate::EditNextItem;
        QTimer::singleShot(0, this, [this, forward] {
            if (forward)
                Q_EMIT nextFieldRequested();
            else
                Q_EMIT previousFieldRequested();
        });
        return;
    }
    QTableView::closeEditor(editor, hint);
}
