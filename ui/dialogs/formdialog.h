#pragma once

#include <QDialog>

#include <functional>

// A dialog whose OK stores what was typed. The caller says how to store it
// with setSave(); OK closes the dialog only once that has succeeded. When it
// fails the user is told why and offered to try again, and the dialog stays
// open with everything in it, so nothing typed is lost.
class FormDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

    void setSave(std::function<bool()> save) { m_save = std::move(save); }

    void accept() override;

    // Runs save until it succeeds or the user stops trying; each failure is
    // explained with the store's reason, followed by keptNote (what became
    // of the user's input; a general sentence when empty). True once saved.
    static bool saveWithRetry(QWidget *parent, const QString &title, const std::function<bool()> &save,
                              const QString &keptNote = QString());

protected:
    // Checks that run before the save; false keeps the dialog open.
    virtual bool validate() { return true; }

private:
    std::function<bool()> m_save;
};
