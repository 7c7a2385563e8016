#include "shell/LayoutKit.h"
#include "shell/LayoutParts.h"
#include "shell/TRadioGroup.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLineEdit>
#include <QListView>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace LayoutKit;

namespace {

// The caption and the name or description edit at the top left of every page.
struct Entry
{
    QString caption;
    QString edit;
    QString prompt;
};

// A number box with its up/down arrows, on one line of a page.
struct NumberLine
{
    QString label;
    QString edit;
    QString upDown;
    int minimum;
    int maximum;
    int position;
};

struct TypeGroup
{
    QString name; // empty: the page has no type group
    QString title;
};

struct ResourcePage
{
    QString name;
    QString tab;
    Entry entry;
    TypeGroup type;
    QList<NumberLine> numbers;
    bool numbersEditable;
    QString add;
    int addHeight;
    QString list;
};

const QStringList Realms = {u"Corporeal"_s, u"Ethereal"_s, u"Celestial"_s};

// A page holds exactly one widget, its bevel, and every control of the page stands on the bevel,
// so hiding the bevel empties the page.
QFrame *makePage(QTabWidget *pages, const QString &name, const QString &tab)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    auto *bevel = new QFrame(page);
    bevel->setObjectName(name + u"Bevel"_s);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto *fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(bevel);
    pages->addTab(page, tab);
    return bevel;
}

void addEntry(QFrame *bevel, const Entry &entry)
{
    makeLabel(bevel, entry.caption, {2, 6, 55, 21}, Qt::AlignRight | Qt::AlignVCenter);
    makeEdit(bevel, entry.edit, entry.prompt, {58, 6, 173, 21});
}

void addTypeGroup(QFrame *bevel, const TypeGroup &type)
{
    auto *group = new TRadioGroup(type.title, Realms, 1, bevel);
    group->setObjectName(type.name);
    group->setGeometry(45, 28, 91, 78);
}

// The number box with its label on the left and its arrows attached to its right edge.
void addNumber(QFrame *bevel, const NumberLine &line, QPoint at, int labelWidth, bool editable)
{
    makeLabel(bevel, line.label, {at.x() - labelWidth - 2, at.y(), labelWidth, 21},
              Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit *box = makeEdit(bevel, line.edit, QString(), {at, QSize(31, 21)});
    box->setReadOnly(!editable);
    makeUpDown(bevel, line.upDown, line.minimum, line.maximum, line.position, box,
               {at.x() + 31, at.y(), 15, 21});
}

void addButtonAndList(QFrame *bevel, const QString &add, int addHeight, const QString &list)
{
    makeCaptionButton(bevel, add, u"Add"_s, u"arrow-right"_s, {153, 84, 75, addHeight});
    makeListBox(bevel, list, {234, 6, 315, 104});
}

void buildPage(QTabWidget *pages, const ResourcePage &page)
{
    QFrame *bevel = makePage(pages, page.name, page.tab);
    addEntry(bevel, page.entry);
    if (!page.type.name.isEmpty())
        addTypeGroup(bevel, page.type);
    const int lineY[] = {31, 57};
    for (int i = 0; i < page.numbers.size(); ++i)
        addNumber(bevel, page.numbers.at(i), {183, lineY[i]}, 44, page.numbersEditable);
    addButtonAndList(bevel, page.add, page.addHeight, page.list);
}

// The Vessels page places its boxes in a column of its own, with the Body Hits beside the level.
void buildVesselsPage(QTabWidget *pages)
{
    QFrame *bevel = makePage(pages, u"VesselsTabSheet"_s, u"Vessels"_s);
    addEntry(bevel, {u"Vessel:"_s, u"VesselEdit"_s, u"Enter a Name for this Vessel"_s});
    addNumber(bevel, {u"Level:"_s, u"VesselLevelEdit"_s, u"VesselUpDown"_s, 1, 6, 1}, {89, 31}, 50,
              false);
    addNumber(bevel, {u"Charisma:"_s, u"VesselCharismaEdit"_s, u"VesselCharismaUpDown"_s, -2, 3, 0},
              {89, 54}, 50, false);
    makeLabel(bevel, u"Body Hits:"_s, {137, 31, 59, 21}, Qt::AlignRight | Qt::AlignVCenter);
    makeValueBox(bevel, u"BodyHitsEdit"_s, {198, 31, 31, 21});
    addButtonAndList(bevel, u"VesselAddBitBtn"_s, 25, u"VesselsListBox"_s);
}

NumberLine level(const QString &edit, const QString &upDown)
{
    return {u"Level:"_s, edit, upDown, 1, 6, 1};
}

// clang-format off
const QList<ResourcePage> &pagesBeforeVessels()
{
    static const QList<ResourcePage> pages = {
        {u"SongsTabSheet"_s, u"Songs"_s,
         {u"Song:"_s, u"SongEdit"_s, u"Enter Name of Song"_s},
         {u"SongTypeRadioGroup"_s, u"Song Type"_s},
         {level(u"SongLevelEdit"_s, u"SongLevelUpDown"_s)}, false,
         u"SongAddBitBtn"_s, 24, u"SongsListBox"_s},
        {u"SkillsTabSheet"_s, u"Skills"_s,
         {u"Skill:"_s, u"SkillEdit"_s, u"Enter a Skill"_s},
         {},
         {level(u"SkillLevelEdit"_s, u"SkillLevelUpDown"_s)}, false,
         u"SkillAddBitBtn"_s, 25, u"SkillsListBox"_s},
    };
    return pages;
}

const QList<ResourcePage> &pagesAfterVessels()
{
    static const QList<ResourcePage> pages = {
        {u"RolesTabSheet"_s, u"Roles"_s,
         {u"Role:"_s, u"RolesEdit"_s, u"Enter a Name for this Role"_s},
         {},
         {level(u"RolesLevelEdit"_s, u"RoleLevelUpDown"_s),
          {u"Status:"_s, u"RoleStatusEdit"_s, u"RoleStatusUpDown"_s, 1, 6, 1}}, false,
         u"RolesAddBitBtn"_s, 25, u"RolesListBox"_s},
        {u"ServantsTabSheet"_s, u"Servants"_s,
         {u"Servant:"_s, u"ServantEdit"_s, u"Enter Name of Servant"_s},
         {},
         {level(u"ServantLevelEdit"_s, u"ServantLevelUpDown"_s),
          {u"Class:"_s, u"ServantClassEdit"_s, u"ServantClassUpDown"_s, 1, 6, 1}}, true,
         u"ServantAddBitBtn"_s, 25, u"ServantsListBox"_s},
        {u"ArtifactsTabSheet"_s, u"Artifacts"_s,
         {u"Artifact:"_s, u"ArtifactEdit"_s, u"Enter Artifact Description"_s},
         {u"ArtifactTypeRadioGroup"_s, u"Artifact Type"_s},
         {level(u"ArtifactLevelEdit"_s, u"ArtifactLevelUpDown"_s),
          {u"Modifier:"_s, u"ArtifactModifierEdit"_s, u"ArtifactModifierUpDown"_s, -6, 6, 0}}, true,
         u"ArtifactAddBitBtn"_s, 25, u"ArtifactsListBox"_s},
        {u"DiscordTabSheet"_s, u"Discord"_s,
         {u"Discord:"_s, u"DiscordEdit"_s, u"Enter Discord Description"_s},
         {u"DiscordTypeRadioGroup"_s, u"Discord Type"_s},
         {level(u"DiscordLevelEdit"_s, u"DiscordLevelUpDown"_s)}, true,
         u"DiscordAddBitBtn"_s, 25, u"DiscordsListBox"_s},
        {u"DistinctionsTabSheet"_s, u"Distinctions"_s,
         {u"Distinction:"_s, u"DistinctionsEdit"_s, u"Enter a Distinction"_s},
         {}, {}, false,
         u"DistinctionsBitBtn"_s, 25, u"DistinctionsListBox"_s},
    };
    return pages;
}
// clang-format on

// The Distinctions page alone keeps the keyboard's tab stops on its edit, list and button.
void makeDistinctionsTabStops(QTabWidget *pages)
{
    for (const QString &name :
         {u"DistinctionsEdit"_s, u"DistinctionsListBox"_s, u"DistinctionsBitBtn"_s})
        setTabStop(pages->findChild<QWidget *>(name), true);
}

} // namespace

QTabWidget *buildResourcePages(QWidget *panel)
{
    auto *pages = new QTabWidget(panel);
    pages->setObjectName(u"ResourcesPageControl"_s);
    pages->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setAttribute(Qt::WA_Hover);
    for (const ResourcePage &page : pagesBeforeVessels())
        buildPage(pages, page);
    buildVesselsPage(pages);
    for (const ResourcePage &page : pagesAfterVessels())
        buildPage(pages, page);
    makeDistinctionsTabStops(pages);
    return pages;
}
