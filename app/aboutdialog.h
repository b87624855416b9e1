#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: name, version, the toolkit's version, the licences of what
// ships with the program, and the data folder with a way to open it.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    AboutDialog(const QString &version, const QString &dataDirectory, QWidget *parent = nullptr);

    QPushButton *openFolderButton() const { return m_openFolder; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void restyle();

    QString m_dataDirectory;
    QList<QLabel *> m_muted;
    QPushButton *m_openFolder = nullptr;
};
