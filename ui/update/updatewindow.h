#pragma once

#include "cloud/updaterelease.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTextBrowser;

// Offers a newer version: which one against the running one, its release
// notes, the download's size and checksum, and the three answers. It finishes
// with Download, Skip or RemindLater (also on Escape or closing).
class UpdateWindow : public QDialog
{
    Q_OBJECT
public:
    enum Choice { RemindLater = QDialog::Rejected, Download = 100, Skip = 101 };

    UpdateWindow(const LarkUpdate::Release &release, const QString &runningVersion, const QString &productTitle,
                 QWidget *parent = nullptr);

    const LarkUpdate::Release &release() const { return m_release; }
    QPushButton *downloadButton() const { return m_download; }
    QPushButton *remindButton() const { return m_remind; }
    QPushButton *skipButton() const { return m_skip; }
    QTextBrowser *notesView() const { return m_notes; }

    // Opens addresses in the browser; tests put their own here.
    static void setUrlOpener(std::function<bool(const QUrl &)> opener);
    static bool openUrl(const QUrl &url);

protected:
    void changeEvent(QEvent *event) override;

private:
    void restyle();

    LarkUpdate::Release m_release;
    QLabel *m_icon = nullptr;
    QList<QLabel *> m_muted;
    QLabel *m_webNotes = nullptr;
    QTextBrowser *m_notes = nullptr;
    QPushButton *m_download = nullptr;
    QPushButton *m_remind = nullptr;
    QPushButton *m_skip = nullptr;
};
