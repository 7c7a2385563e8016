#include "i18n/ShownTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

// Qt's own parts: a standard button's caption, a tab bar's scroll arrows, widgets Qt names.
bool isQtsOwn(const QWidget *widget)
{
    if (widget->objectName().startsWith(u"qt_"_s) || qobject_cast<QTabBar *>(widget->parent()))
        return true;
    const auto *box = qobject_cast<QDialogButtonBox *>(widget->parent());
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    return box && button && box->standardButton(const_cast<QAbstractButton *>(button));
}

void addCaptions(QWidget *w, QList<ShownText> &texts)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        texts.append({w, label->text(), true});
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        texts.append({w, button->text(), true});
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        texts.append({w, group->title(), true});
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        texts.append({w, edit->text(), true});
    else if (auto *pages = qobject_cast<QTabWidget *>(w)) {
        for (int i = 0; i < pages->count(); ++i)
            texts.append({w, pages->tabText(i), true});
    } else if (auto *menu = qobject_cast<QMenu *>(w)) {
        texts.append({w, menu->title(), false});
        for (const QAction *action : menu->actions())
            texts.append({w, action->text(), false});
    }
}

} // namespace

QList<ShownText> shownTexts(QWidget *root)
{
    QList<ShownText> texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (isQtsOwn(w))
            continue;
        if (w->isWindow())
            texts.append({w, w->windowTitle(), false});
        addCaptions(w, texts);
        for (const QString &said : {w->toolTip(), w->accessibleName(), w->accessibleDescription()})
            texts.append({w, said, false});
    }
    texts.removeIf([](const ShownText &t) { return t.text.trimmed().isEmpty(); });
    return texts;
}

QString withoutAccessKey(const QString &text)
{
    QString plain = text;
    return plain.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
}
