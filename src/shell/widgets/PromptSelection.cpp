#include "shell/widgets/PromptSelection.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

void PromptSelection::watch(QLineEdit *edit)
{
    edit->installEventFilter(new PromptSelection(edit, edit));
}

void PromptSelection::watch(QComboBox *box)
{
    auto *selection = new PromptSelection(box->lineEdit(), box);
    box->lineEdit()->installEventFilter(selection);
    box->installEventFilter(selection);
}

PromptSelection::PromptSelection(QLineEdit *edit, QWidget *focusTaker)
    : QObject(edit), m_edit(edit), m_focusTaker(focusTaker), m_prompt(edit->text())
{
}

// A press of the left button into a prompt that already has the focus would place the cursor in
// it, so that typing mixes with the prompt: the press selects the whole prompt instead, and the
// moves and double click that follow it select nothing else.
bool PromptSelection::takesPress(QEvent *event) const
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return m_edit->hasFocus() && m_edit->text() == m_prompt &&
               static_cast<QMouseEvent *>(event)->buttons().testFlag(Qt::LeftButton);
    default:
        return false;
    }
}

bool PromptSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && takesPress(event)) {
        m_edit->selectAll();
        return true;
    }
    if (watched == m_focusTaker && event->type() == QEvent::FocusIn && m_edit->text() == m_prompt) {
        // A click places the cursor after the focus has come in; the selection is made once the
        // press has been handled, or it would be undone at once.
        QTimer::singleShot(0, m_edit, [edit = m_edit, prompt = m_prompt] {
            if (edit->hasFocus() && edit->text() == prompt)
                edit->selectAll();
        });
    }
    return QObject::eventFilter(watched, event);
}
