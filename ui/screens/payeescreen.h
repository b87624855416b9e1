#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// Every payee in use, renamed or merged across all transactions in one step.
class PayeeScreen : public QWidget
{
    Q_OBJECT
public:
    explicit PayeeScreen(AppState *state, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLineEdit *targetEdit() const { return m_target; }

    void reload();

public Q_SLOTS:
    void onRename();
    void onMerge();

Q_SIGNALS:
    void payeesChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QStringList selectedPayees() const;
    void describeSelection();
    // Renames every payee of `from` to target and updates the list; false
    // after telling the user it failed.
    bool rename(const QStringList &from, const QString &target, int *changed);

    AppState *m_state;
    QListWidget *m_list = nullptr;
    QLineEdit *m_target = nullptr;
    QLabel *m_selectionLabel = nullptr;
    QPushButton *m_renameButton = nullptr;
    QPushButton *m_mergeButton = nullptr;
    QTimer *m_reloadTimer = nullptr;
};
