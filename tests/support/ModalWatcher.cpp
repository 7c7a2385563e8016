#include "support/ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>

ModalWatcher::ModalWatcher()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

ModalWatcher::~ModalWatcher() = default;

QStringList ModalWatcher::texts() const
{
    QStringList texts;
    for (const Box &box : m_seen)
        texts << box.text;
    return texts;
}

void ModalWatcher::clear()
{
    m_seen.clear();
    m_answers.clear();
    m_dialogs.clear();
    m_unexpected = false;
}

void ModalWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || m_left.contains(modal->objectName()))
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        const auto defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton())
                                                        : QMessageBox::NoButton;
        m_seen.append(Box{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                          defaultButton});
        QMessageBox::StandardButton reply = QMessageBox::NoButton;
        if (!m_answers.empty()) {
            reply = m_answers.front();
            m_answers.pop_front();
        } else if (box->standardButtons() != QMessageBox::Ok) {
            m_unexpected = true;
        }
        if (reply != QMessageBox::NoButton && box->button(reply))
            box->button(reply)->click();
        else if (box->escapeButton())
            box->escapeButton()->click();
        else
            box->done(QMessageBox::Ok);
        return;
    }
    if (!m_dialogs.empty()) {
        DialogAction action = std::move(m_dialogs.front());
        m_dialogs.pop_front();
        action(modal);
        return;
    }
    m_unexpected = true;
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}
