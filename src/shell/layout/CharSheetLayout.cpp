#include "resources/ResourceKinds.h"
#include "shell/layout/LayoutKit.h"
#include "shell/layout/LayoutParts.h"
#include "shell/layout/ResourceWidgets.h"
#include "shell/widgets/TRadioGroup.h"

#include "sheet/SheetValues.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace LayoutKit;

namespace {

// The upper area stands in three columns.
constexpr int LeftX = 3;
constexpr int MiddleX = 188;
constexpr int RightX = 380;

QLabel *makeSerifLabel(QWidget *area, const QString &text, const QRect &geometry,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    QLabel *label = makeLabel(area, text, geometry, alignment);
    label->setFont(serifLabelFont());
    return label;
}

QComboBox *makeComboBox(QWidget *area, const QString &name, const QStringList &entries,
                        const QString &text, const QRect &geometry)
{
    auto *combo = new QComboBox(area);
    combo->setObjectName(name);
    combo->setEditable(true);
    // Typed text stays exactly as typed: nothing completes it and nothing adds it as an entry.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    unlimitLength(combo->lineEdit());
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
    combo->setGeometry(geometry);
    setTabStop(combo, false);
    return combo;
}

void buildIdentityBand(QWidget *area)
{
    QLabel *label = makeSerifLabel(area, u"Character Name:"_s, {LeftX, 2, 180, 17});
    nameAfterLabel(label, makeEdit(area, SheetNames::controlName(SheetValue::CharacterName),
                                   SheetNames::startText(SheetValue::CharacterName),
                                   {LeftX, 20, 180, 21}));
    label = makeSerifLabel(area, u"Choir/Band:"_s, {MiddleX, 2, 185, 17});
    nameAfterLabel(label, makeComboBox(area, SheetNames::controlName(SheetValue::ChoirBand),
                                       SheetNames::choirBandEntries(),
                                       SheetNames::startText(SheetValue::ChoirBand),
                                       {MiddleX, 20, 185, 21}));
    label = makeSerifLabel(area, u"Superior:"_s, {RightX, 2, 185, 17});
    nameAfterLabel(label, makeComboBox(area, SheetNames::controlName(SheetValue::Superior),
                                       SheetNames::superiorEntries(),
                                       SheetNames::startText(SheetValue::Superior),
                                       {RightX, 20, 185, 21}));
}

// An attunement kind's edit with its Add button, and its label over its list, in one column.
void buildAttunementColumn(QWidget *area, SheetList list, int x, int buttonWidth,
                           EntryWidgets &widgets)
{
    const Resources::ResourceKind &kind = Resources::resourceKind(list);
    widgets.edit = makeEdit(area, kind.edit.name, kind.prompt, {x, 44, 134, 21});
    widgets.edit->setAccessibleName(kind.edit.spoken);
    widgets.add = makeCaptionSpeedButton(area, kind.add.name, kind.addCaption, u"arrow-down"_s,
                                         {x + 136, 43, buttonWidth, 22});
    widgets.add->setAccessibleName(kind.add.spoken);
    makeLabel(area, kind.caption, {x, 66, 185, 15});
    widgets.list = makeListBox(area, SheetNames::controlName(list), {x, 81, 185, 52});
    widgets.list->setAccessibleName(kind.listSpoken);
}

void buildTypeBand(QWidget *area, ResourceWidgets &resources)
{
    auto *types = new TRadioGroup(u" Character Type "_s, SheetNames::characterTypeNames(), 2, area);
    types->setObjectName(u"CharTypeGroup"_s);
    types->setGeometry(LeftX, 42, 180, 91);
    setSpokenName(types, types->title().trimmed());

    buildAttunementColumn(area, SheetList::ChoirBandAttunements, MiddleX, 49,
                          resources[SheetList::ChoirBandAttunements]);
    buildAttunementColumn(area, SheetList::SuperiorAttunements, RightX, 46,
                          resources[SheetList::SuperiorAttunements]);
    makeRule(area, {LeftX, 135, 563, 3});
}

// One Force with its two characteristics: the label, value box and button columns it uses.
struct ForceColumn
{
    int labelX;
    int boxX;
    int buttonX;
    QString label;
    QString force;
    QString forcesUp;
    QString forcesDown;
    QString upperLabel;
    QString upper;
    QString lowerLabel;
    QString lower;
    QString up;
    QString down;
};

const ForceColumn ForceColumns[] = {
    {8, 129, 159, u"Corporeal:"_s, u"CorporealEdit"_s, u"CorpForcesUpSpeedButton"_s,
     u"CorpForcesDownSpeedButton"_s, u"Strength:"_s, u"StrengthEdit"_s, u"Agility:"_s,
     u"AgilityEdit"_s, u"CorpUpSpeedButton"_s, u"CorpDownSpeedButton"_s},
    {192, 291, 321, u"Ethereal:"_s, u"EtherealEdit"_s, u"EtherForcesUpSpeedButton"_s,
     u"EtherForcesDownSpeedButton"_s, u"Intelligence:"_s, u"IntelligenceEdit"_s, u"Precision:"_s,
     u"PrecisionEdit"_s, u"EtherUpSpeedButton"_s, u"EtherDownSpeedButton"_s},
    {352, 453, 483, u"Celestial:"_s, u"CelestialEdit"_s, u"CelestialForcesUpSpeedButton"_s,
     u"CelestialForcesDownSpeedButton"_s, u"Will:"_s, u"WillEdit"_s, u"Perception:"_s,
     u"PerceptionEdit"_s, u"CelestialUpSpeedButton"_s, u"CelestialDownSpeedButton"_s},
};

QLineEdit *makeLargeBox(QWidget *area, const QString &name, const QRect &geometry)
{
    QLineEdit *box = makeValueBox(area, name, geometry);
    box->setFont(valueBoxFont());
    return box;
}

void buildForce(QWidget *area, const ForceColumn &column)
{
    QLabel *label =
        makeLabel(area, column.label, {column.labelX, 142, column.boxX - column.labelX - 2, 38});
    label->setFont(forceLabelFont());
    QLineEdit *box = makeLargeBox(area, column.force, {column.boxX, 142, 29, 38});
    const QString forces = nameAfterLabel(label, box) + u" Forces"_s;
    setSpokenName(box, forces);
    setSpokenName(
        makeArrowButton(area, column.forcesUp, u"arrow-up"_s, {column.buttonX, 142, 25, 20}),
        u"Raise "_s + forces);
    setSpokenName(
        makeArrowButton(area, column.forcesDown, u"arrow-down"_s, {column.buttonX, 162, 25, 20}),
        u"Lower "_s + forces);
}

void buildCharacteristics(QWidget *area, const ForceColumn &column)
{
    const auto line = [&](const QString &label, const QString &box, int y) {
        QLabel *shown =
            makeSerifLabel(area, label, {column.labelX, y, column.boxX - column.labelX - 3, 21},
                           Qt::AlignRight | Qt::AlignVCenter);
        return nameAfterLabel(shown, makeValueBox(area, box, {column.boxX, y, 29, 21}));
    };
    const QString upper = line(column.upperLabel, column.upper, 183);
    const QString lower = line(column.lowerLabel, column.lower, 203);
    const auto move = u"Move a point from %1 to %2"_s;
    setSpokenName(makeArrowButton(area, column.up, u"arrow-up"_s, {column.buttonX, 183, 25, 20}),
                  move.arg(lower, upper));
    setSpokenName(
        makeArrowButton(area, column.down, u"arrow-down"_s, {column.buttonX, 203, 25, 20}),
        move.arg(upper, lower));
}

void buildForcesBands(QWidget *area)
{
    for (const ForceColumn &column : ForceColumns) {
        buildForce(area, column);
        buildCharacteristics(area, column);
    }
    QLabel *equals = makeLabel(area, u"="_s, {510, 142, 18, 38}, Qt::AlignCenter);
    equals->setFont(valueBoxFont());
    setSpokenName(makeLargeBox(area, u"TotalForcesEdit"_s, {528, 142, 37, 38}), u"Total Forces"_s);
    makeRule(area, {LeftX, 225, 563, 3});
}

void buildPointsBand(QWidget *area)
{
    const auto value = [area](const QString &label, const QString &box, int labelX, int boxX) {
        QLabel *shown = makeSerifLabel(area, label, {labelX, 232, boxX - labelX - 3, 21},
                                       Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit *edit = makeValueBox(area, box, {boxX, 232, 29, 21});
        nameAfterLabel(shown, edit);
        return edit;
    };
    value(u"Character Points:"_s, u"CharacterPointsEdit"_s, 8, 129);
    // Run together on the screen; spoken as two words.
    setSpokenName(value(u"MindHits:"_s, u"MindHitsEdit"_s, 192, 291), u"Mind Hits"_s);
    setSpokenName(value(u"SoulHits:"_s, u"SoulHitsEdit"_s, 352, 453), u"Soul Hits"_s);
}

QFrame *buildResourceArea(QWidget *page, ResourceWidgets &resources)
{
    auto *panel = new QFrame(page);
    panel->setObjectName(u"Panel2"_s);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setGeometry(0, 257, 569, 149);
    buildResourcePages(panel, resources)->setGeometry(2, 2, 565, 145);
    return panel;
}

} // namespace

void buildCharSheet(QWidget *page, ResourceWidgets &resources)
{
    QFrame *upper = makeBevel(page, {0, 0, 569, 257});
    buildIdentityBand(upper);
    buildTypeBand(upper, resources);
    buildForcesBands(upper);
    buildPointsBand(upper);
    buildResourceArea(page, resources);
}
