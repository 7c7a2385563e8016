#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// While an edit still shows its starting prompt ("Enter Character Name"), taking the focus by a
// click or by Tab selects the whole prompt, and so does every later click into it, so the first
// key typed replaces it. The prompt itself is not changed.
class PromptSelection : public QObject
{
    Q_OBJECT

public:
    // Watches the edit; its text now is taken as its prompt.
    static void watch(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PromptSelection(QLineEdit *edit);
    bool takesPress(QEvent *event) const;

    QLineEdit *m_edit;
    QString m_prompt;
};
