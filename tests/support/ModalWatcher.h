#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

// Answers the modal boxes that a window test provokes. A timer polls the active modal widget,
// records each QMessageBox (caption, text, icon, buttons), answers it with the next scripted
// button and closes it. A box that nobody scripted is answered with its escape button and marked
// unexpected; a file dialog is answered by the next scripted dialog action. Tests check seen()
// and unexpected() afterwards.
class ModalWatcher : public QObject
{
    Q_OBJECT

public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };
    using DialogAction = std::function<void(QWidget *dialog)>;

    ModalWatcher();
    ~ModalWatcher() override;

    // The next message box is answered with this button.
    void answer(QMessageBox::StandardButton button) { m_answers.push_back(button); }
    // The next modal widget that is not a message box is handed to this action, which must
    // close it.
    void onDialog(DialogAction action) { m_dialogs.push_back(std::move(action)); }
    // Modal widgets of this object name are left to the test.
    void leave(const QString &objectName) { m_left << objectName; }

    const QList<Box> &seen() const { return m_seen; }
    QStringList texts() const;
    bool unexpected() const { return m_unexpected; }
    void clear();

private:
    void poll();

    QTimer m_timer;
    std::deque<QMessageBox::StandardButton> m_answers;
    std::deque<DialogAction> m_dialogs;
    QList<Box> m_seen;
    QStringList m_left;
    bool m_unexpected = false;
};
