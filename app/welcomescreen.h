#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

// The page shown before any account exists (or when the online session has
// ended): what the program is, and a button to begin.
class WelcomeScreen : public QWidget
{
    Q_OBJECT
public:
    enum class Mode { FirstRun, Returning };

    explicit WelcomeScreen(QWidget *parent = nullptr);

    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    // Sign-in buttons only appear where signing in can actually be offered.
    void setSignInAvailable(bool available);
    void restyle();

    QString titleText() const;
    QPushButton *primaryButton() const { return m_primary; }
    QPushButton *secondaryButton() const { return m_secondary; }

Q_SIGNALS:
    void createAccountRequested();
    void signInRequested();

private:
    void onPrimary();
    void onSecondary();
    void updateTexts();

    Mode m_mode = Mode::FirstRun;
    bool m_signInAvailable = false;
    QLabel *m_icon = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_primary = nullptr;
    QPushButton *m_secondary = nullptr;
    QFrame *m_card = nullptr;
    QList<QLabel *> m_stepNumbers;
};
