#pragma once

#include "data/records.h"

#include <QList>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;

// The account list at the left of the main window: one row per live account
// with its balance, the total of all accounts underneath. It only shows and
// reports; the window decides what a choice means.
//
// Its width follows what it shows: wide enough for every name and balance at
// the current font, up to a share of the window, unless the user dragged it.
class AccountSidebar : public QWidget
{
    Q_OBJECT
public:
    struct Row {
        Account account;
        qint64 balance = 0;
    };

    explicit AccountSidebar(QWidget *parent = nullptr);

    void setRows(const QList<Row> &rows, const QString &currentId, const QString &totalText);
    // Marks the account's row current without announcing it.
    void showCurrent(const QString &accountId);

    QListWidget *list() const { return m_list; }
    QString totalText() const;
    QStringList accountIds() const;
    // The width that shows every name and balance whole at the current font.
    int widthNeeded() const { return m_widthNeeded; }
    void restyle();

Q_SIGNALS:
    // The current row changed: by a click or by the arrow keys.
    void accountShown(const QString &accountId);
    // A click or Enter on a row: the user wants to type into that account.
    void accountChosen(const QString &accountId);
    // A right click; accountId is empty below the rows.
    void menuRequested(const QString &accountId, const QPoint &globalPos);
    // The rows' fonts changed, and with them the width needed.
    void widthNeededChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *rowWidget(const Account &account, qint64 balance);
    void sizeRows();
    // Measured when the rows or their font change; read on every resize.
    int measureWidthNeeded() const;
    static QString idOf(const QListWidgetItem *item);

    QLabel *m_title = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_total = nullptr;
    int m_widthNeeded = 0;
};
