#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;
class QTreeWidget;

// The "Safety Copies" block of the preferences' data page: the copies of the
// store kept before every import and restore and once a day, with their dates
// and sizes. One can be put back in place of the store, or the folder opened.
class SafetyCopiesPanel : public QWidget {
    Q_OBJECT
public:
    explicit SafetyCopiesPanel(AppState *state, QWidget *parent = nullptr);

    // Reads the folder again.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void restoreSelected();
    void openFolder();
    void updateButtons();
    void fitListHeight();

    static constexpr int kMinRows = 3;
    static constexpr int kMaxRows = 6;

    AppState *m_state;
    QTreeWidget *m_list;
    QLabel *m_empty;
    QPushButton *m_restoreButton;
    QPushButton *m_openButton;
};
