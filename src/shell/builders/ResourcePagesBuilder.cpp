#include "resources/ResourceKinds.h"
#include "shell/Tr.h"
#include "shell/builders/ControlKit.h"
#include "shell/builders/PageBuilders.h"
#include "shell/builders/ResourceWidgets.h"
#include "shell/widgets/TRadioGroup.h"
#include "shell/widgets/TUpDown.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

using namespace ControlKit;
using Resources::ResourceKind;

namespace {

// Where a page puts its number boxes: the first box's left edge and the lines' tops, and the width
// of the labels left of them. The Vessels page has a column of its own, with the Body Hits beside
// the level.
struct NumberPlacement
{
    int x;
    std::array<int, 2> y;
    int labelWidth;
};

NumberPlacement placementOf(SheetList list)
{
    if (list == SheetList::Vessels)
        return {89, {31, 54}, 50};
    return {183, {31, 57}, 44};
}

// A page holds exactly one widget, its bevel, and every control of the page stands on the bevel,
// so hiding the bevel empties the page.
QFrame *makePage(QTabWidget *pages, const ResourceKind &kind)
{
    auto *page = new QWidget;
    page->setObjectName(kind.page.name);
    page->setAccessibleName(kind.page.spoken);
    auto *bevel = new QFrame(page);
    bevel->setObjectName(kind.page.name + u"Bevel"_s);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto *fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(bevel);
    pages->addTab(page, SheetNames::tabCaption(kind.list));
    return bevel;
}

// What the page shows instead of its controls while the configuration hides them.
QLabel *addSwitchedOffNote(QFrame *bevel, const ResourceKind &kind)
{
    QWidget *page = bevel->parentWidget();
    auto *note = new QLabel(
        ShellTr::tr("This page is switched off. Check \"%1\" on the Configuration page to show it.")
            .arg(SheetNames::tabCaption(kind.list)),
        page);
    note->setObjectName(kind.page.name + u"SwitchedOffLabel"_s);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setMargin(8);
    note->hide();
    page->layout()->addWidget(note);
    return note;
}

QLineEdit *addEntry(QFrame *bevel, const ResourceKind &kind)
{
    makeLabel(bevel, kind.caption, {2, 6, 55, 21}, Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit *edit = makeEdit(bevel, kind.edit.name, kind.prompt, {58, 6, 173, 21});
    edit->setAccessibleName(kind.edit.spoken);
    return edit;
}

TRadioGroup *addTypeGroup(QFrame *bevel, const ResourceKind &kind)
{
    auto *group = new TRadioGroup(kind.typeTitle, SheetNames::realmNames(),
                                  SheetNames::realmLabels(), 1, bevel);
    group->setObjectName(kind.typeGroup.name);
    group->setAccessibleName(kind.typeGroup.spoken);
    group->setGeometry(45, 28, 91, 78);
    return group;
}

// The number box with its label on the left and its arrows attached to its right edge.
void addNumber(QFrame *bevel, const Resources::NumberField &field, QPoint at, int labelWidth,
               bool editable, EntryWidgets &widgets)
{
    makeLabel(bevel, field.label, {at.x() - labelWidth - 2, at.y(), labelWidth, 21},
              Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit *box = makeEdit(bevel, field.edit.name, QString(), {at, QSize(31, 21)});
    box->setReadOnly(!editable);
    box->setAccessibleName(field.edit.spoken);
    TUpDown *upDown = makeUpDown(bevel, field.upDown.name, field.minimum, field.maximum,
                                 field.start, box, {at.x() + 31, at.y(), 15, 21});
    // The arrows say what they change ("Raise Song level"); the pair keeps its own name.
    upDown->setSpokenName(field.edit.spoken);
    upDown->setAccessibleName(field.upDown.spoken);
    widgets.numbers.append(box);
    widgets.upDowns.append(upDown);
}

// The Body Hits box of the Vessels page, right of the level line.
QLineEdit *addShownValue(QFrame *bevel, const ResourceKind &kind)
{
    makeLabel(bevel, kind.shownLabel, {137, 31, 59, 21}, Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit *box = makeValueBox(bevel, kind.shownValue.name, {198, 31, 31, 21});
    box->setAccessibleName(kind.shownValue.spoken);
    return box;
}

void addButtonAndList(QFrame *bevel, const ResourceKind &kind, EntryWidgets &widgets)
{
    // The Songs page's button is a pixel lower than the others'.
    const int height = kind.list == SheetList::Songs ? 24 : 25;
    widgets.add = makeCaptionButton(bevel, kind.add.name, kind.addCaption, u"arrow-right"_s,
                                    {153, 84, 75, height});
    widgets.add->setAccessibleName(kind.add.spoken);
    widgets.list = makeListBox(bevel, SheetNames::controlName(kind.list), {234, 6, 315, 104});
    widgets.list->setAccessibleName(kind.listSpoken);
}

EntryWidgets buildPage(QTabWidget *pages, const ResourceKind &kind)
{
    EntryWidgets widgets;
    QFrame *bevel = makePage(pages, kind);
    widgets.contents = bevel;
    widgets.switchedOff = addSwitchedOffNote(bevel, kind);
    widgets.edit = addEntry(bevel, kind);
    if (!kind.typeGroup.name.isEmpty())
        widgets.type = addTypeGroup(bevel, kind);
    const NumberPlacement place = placementOf(kind.list);
    for (int i = 0; i < kind.numbers.size(); ++i)
        addNumber(bevel, kind.numbers.at(i), {place.x, place.y.at(i)}, place.labelWidth,
                  kind.numbersEditable, widgets);
    if (!kind.shownValue.name.isEmpty())
        widgets.shownValue = addShownValue(bevel, kind);
    addButtonAndList(bevel, kind, widgets);
    return widgets;
}

// The Distinctions page alone keeps the keyboard's tab stops on its edit, list and button.
void keepTabStops(const EntryWidgets &distinctions)
{
    setTabStop(distinctions.edit, true);
    setTabStop(distinctions.list, true);
    setTabStop(distinctions.add, true);
}

} // namespace

QTabWidget *buildResourcePages(QWidget *panel, ResourceWidgets &widgets)
{
    auto *pages = new QTabWidget(panel);
    pages->setObjectName(u"ResourcesPageControl"_s);
    pages->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setAttribute(Qt::WA_Hover);
    for (SheetList list : Resources::resourcePageOrder())
        widgets[list] = buildPage(pages, Resources::resourceKind(list));
    keepTabStops(widgets[SheetList::Distinctions]);
    return pages;
}
