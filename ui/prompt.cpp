#include "ui/prompt.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QQueue>

namespace {

struct TestState {
    bool on = false;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> texts;
    QList<Prompt::Record> records;
};

TestState &state()
{
    static TestState s;
    return s;
}

void record(const char *kind, const QString &title, const QString &text)
{
    state().records.append({QString::fromLatin1(kind), title, text});
}

QString nextText()
{
    return state().texts.isEmpty() ? QString() : state().texts.dequeue();
}

QMessageBox::StandardButton ask(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    if (state().on) {
        record("question", title, text);
        return state().answers.isEmpty() ? defaultButton : state().answers.dequeue();
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void tell(const char *kind, QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text)
{
    if (state().on) {
        record(kind, title, text);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

namespace Prompt {

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton warningQuestion(QWidget *parent, const QString &title, const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton choice(QWidget *parent, const QString &title, const QString &text,
                                   const QList<QPair<QMessageBox::StandardButton, QString>> &labels,
                                   QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton)
{
    if (state().on) {
        record("question", title, text);
        return state().answers.isEmpty() ? defaultButton : state().answers.dequeue();
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    for (const auto &[button, label] : labels)
        box.addButton(button)->setText(label);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    return QMessageBox::StandardButton(box.exec());
}

void information(QWidget *parent, const QString &title, const QString &text)
{
    tell("information", QMessageBox::Information, parent, title, text);
}

void warning(QWidget *parent, const QString &title, const QString &text)
{
    tell("warning", QMessageBox::Warning, parent, title, text);
}

void critical(QWidget *parent, const QString &title, const QString &text)
{
    tell("critical", QMessageBox::Critical, parent, title, text);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &proposedPath, const QString &filter)
{
    if (state().on) {
        record("save", caption, proposedPath);
        return nextText();
    }
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, filter);
}

QString openFileName(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    if (state().on) {
        record("open", caption, directory);
        return nextText();
    }
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QStringList openFileNames(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    if (state().on) {
        record("open", caption, directory);
        const QString text = nextText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    return QFileDialog::getOpenFileNames(parent, caption, directory, filter);
}

QString item(QWidget *parent, const QString &title, const QString &label, const QStringList &items, int current,
             bool *ok)
{
    if (state().on) {
        record("item", title, label);
        const QString text = nextText();
        if (ok)
            *ok = !text.isEmpty();
        return text;
    }
    return QInputDialog::getItem(parent, title, label, items, current, false, ok);
}

void setTestMode(bool on)
{
    state().on = on;
}

bool testMode()
{
    return state().on;
}

void queueAnswer(QMessageBox::StandardButton answer)
{
    state().answers.enqueue(answer);
}

void queueText(const QString &text)
{
    state().texts.enqueue(text);
}

QList<Record> &records()
{
    return state().records;
}

void clear()
{
    state().answers.clear();
    state().texts.clear();
    state().records.clear();
}

} // namespace Prompt
