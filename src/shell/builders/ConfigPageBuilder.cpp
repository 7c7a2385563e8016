#include "shell/Tr.h"
#include "shell/builders/ControlKit.h"
#include "shell/builders/PageBuilders.h"
#include "shell/widgets/TUpDown.h"

#include "sheet/SheetValues.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

using namespace ControlKit;

namespace {

QGroupBox *makeGroup(QWidget *parent, const QString &name, const QString &title,
                     const QRect &geometry)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

// A column of check boxes, each named after its English caption and showing its label, all on.
void addCheckBoxes(QGroupBox *group, const QStringList &captions, const QStringList &labels)
{
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QCheckBox(labels.at(i), group);
        box->setObjectName(captions.at(i) + u"CheckBox"_s);
        box->setGeometry(10, 20 + 21 * i, group->width() - 16, 17);
        box->setChecked(true);
        setTabStop(box, captions.at(i) == u"Distinctions"_s);
    }
}

struct BonusGroup
{
    QString name;
    QString title;
    QRect geometry;
    QString edit;
    QString upDown;
    int limit;
    bool editable;
    QString apply;
};

void buildBonusGroup(QWidget *parent, const BonusGroup &bonus)
{
    QGroupBox *group = makeGroup(parent, bonus.name, bonus.title, bonus.geometry);
    const int top = bonus.geometry.height() / 2 - 6;
    QLineEdit *edit = makeEdit(group, bonus.edit, u"0"_s, {10, top, 22, 21});
    edit->setReadOnly(!bonus.editable);
    // The group's caption is the only label the box, its arrows and its button have.
    setSpokenName(edit, bonus.title);
    makeUpDown(group, bonus.upDown, -bonus.limit, bonus.limit, 0, edit, {32, top, 15, 21})
        ->setSpokenName(bonus.title);
    setSpokenName(makeCaptionButton(group, bonus.apply, ShellTr::tr("Apply"), u"paper-pen"_s,
                                    {56, top - 2, 75, 25}),
                  ShellTr::tr("Apply %1").arg(bonus.title));
}

// Each check box is named after its page's tab and shows the tab as the tab shows it.
std::pair<QStringList, QStringList> resourceTabs()
{
    QStringList names, captions;
    for (SheetList list : SheetNames::checkBoxOrder()) {
        names << SheetNames::tabName(list);
        captions << SheetNames::tabCaption(list);
    }
    return {names, captions};
}

} // namespace

void buildConfigPage(QWidget *page)
{
    QFrame *bevel = makeBevel(page, {0, 0, 569, 406});
    addCheckBoxes(makeGroup(bevel, u"AvailableCharTypesGroupBox"_s,
                            ShellTr::tr("Available Character Types"), {6, 6, 139, 187}),
                  SheetNames::characterTypeNames(), SheetNames::characterTypeLabels());
    const auto [tabNames, tabCaptions] = resourceTabs();
    addCheckBoxes(makeGroup(bevel, u"AvailableResourceTypesGroupBox"_s,
                            ShellTr::tr("Available Resource Types"), {156, 6, 142, 187}),
                  tabNames, tabCaptions);
    buildBonusGroup(bevel, {u"BonusGroupBox"_s,
                            ShellTr::tr("Character Point Bonus"),
                            {6, 195, 140, 55},
                            u"BonusEdit"_s,
                            u"BonusUpDown"_s,
                            10,
                            false,
                            u"BonusBitBtn"_s});
    buildBonusGroup(bevel, {u"GroupBox1"_s,
                            ShellTr::tr("Total Forces Bonus"),
                            {6, 255, 141, 58},
                            u"ForcesBonusEdit"_s,
                            u"ForcesBonusUpDown"_s,
                            9,
                            true,
                            u"ForcesBonusBitBtn"_s});
}
