#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QLineEdit;

// While an edit or an editable combo box still shows its starting prompt ("Enter Character
// Name", "Select Superior"), taking the focus by a click or by Tab selects the whole prompt, and
// so does every later click into it, so the first key typed replaces it. The prompt itself is
// not changed.
class PromptSelection : public QObject
{
    Q_OBJECT

public:
    // Watches the edit; its text now is taken as its prompt.
    static void watch(QLineEdit *edit);
    // Watches the box's edit. The box takes the focus in its place and hands the edit its
    // focus event directly, past any filter, so the box is watched for that.
    static void watch(QComboBox *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PromptSelection(QLineEdit *edit, QWidget *focusTaker);
    bool takesPress(QEvent *event) const;

    QLineEdit *m_edit;
    QWidget *m_focusTaker;
    QString m_prompt;
};
