#include "shell/widgets/PromptSelection.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

void PromptSelection::watch(QLineEdit *edit)
{
    edit->installEventFilter(new PromptSelection(edit));
}

PromptSelection::PromptSelection(QLineEdit *edit)
    : QObject(edit), m_edit(edit), m_prompt(edit->text())
{
}

bool PromptSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusIn && m_edit->text() == m_prompt) {
        // A click places the cursor after the focus has come in; the selection is made once the
        // press has been handled, or it would be undone at once.
        QTimer::singleShot(0, m_edit, [edit = m_edit, prompt = m_prompt] {
            if (edit->hasFocus() && edit->text() == prompt)
                edit->selectAll();
        });
    }
    return QObject::eventFilter(watched, event);
}
