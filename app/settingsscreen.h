#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// The preferences window: appearance, regional and language choices, register
// options, data (deleted accounts, backups) and the about page. Every choice
// is stored the moment it is made.
class SettingsScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsScreen(AppState *state, QWidget *parent = nullptr);

    enum Page { General = 0, Register = 1, DataAndSync = 2, About = 3 };
    void showPage(Page page);

    QComboBox *themeBox() const { return m_theme; }
    QComboBox *fontSizeBox() const { return m_fontSize; }
    QComboBox *weekStartBox() const { return m_weekStart; }
    QComboBox *languageBox() const { return m_language; }
    QCheckBox *twoLineBox() const { return m_twoLine; }
    QCheckBox *newestFirstBox() const { return m_newestFirst; }
    QListWidget *deletedAccountsList() const { return m_deleted; }
    QPushButton *restoreButton() const { return m_restore; }
    // Where the data blocks (backups, sync) of the "Data & Sync" page go.
    QVBoxLayout *dataBlocks() const { return m_dataBlocks; }

    // Wide enough for the widest page without a horizontal scroll bar, at
    // the current font.
    QSize sizeHint() const override;

public Q_SLOTS:
    void refreshDeletedAccounts();
    void restoreSelected();

Q_SIGNALS:
    void deletedAccountRestored();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildGeneralPage();
    QWidget *buildRegisterPage();
    QWidget *buildDataPage();
    QWidget *buildAboutPage();
    void restyle();
    void fitToFont();

    AppState *m_state;
    QListWidget *m_pageList = nullptr;
    QStackedWidget *m_pages = nullptr;
    QComboBox *m_theme = nullptr;
    QComboBox *m_fontSize = nullptr;
    QComboBox *m_weekStart = nullptr;
    QComboBox *m_language = nullptr;
    QCheckBox *m_twoLine = nullptr;
    QCheckBox *m_newestFirst = nullptr;
    QListWidget *m_deleted = nullptr;
    QPushButton *m_restore = nullptr;
    QVBoxLayout *m_dataBlocks = nullptr;
};
