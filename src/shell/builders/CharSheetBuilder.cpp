#include "resources/ResourceKinds.h"
#include "shell/Tr.h"
#include "shell/builders/ControlKit.h"
#include "shell/builders/PageBuilders.h"
#include "shell/builders/ResourceWidgets.h"
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

using namespace ControlKit;

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

// A value's caption over its box, and the text the box starts with.
QLabel *makeCaption(QWidget *area, SheetValue value, const QRect &geometry)
{
    return makeSerifLabel(area, SheetNames::caption(value), geometry);
}

QString shownStart(SheetValue value)
{
    return SheetNames::shown(value, SheetNames::startText(value));
}

void buildIdentityBand(QWidget *area)
{
    using enum SheetValue;
    nameAfterLabel(makeCaption(area, CharacterName, {LeftX, 2, 180, 17}),
                   makeEdit(area, SheetNames::controlName(CharacterName), shownStart(CharacterName),
                            {LeftX, 20, 180, 21}));
    nameAfterLabel(makeCaption(area, ChoirBand, {MiddleX, 2, 185, 17}),
                   makeComboBox(area, SheetNames::controlName(ChoirBand),
                                SheetNames::choirBandEntries(), shownStart(ChoirBand),
                                {MiddleX, 20, 185, 21}));
    nameAfterLabel(makeCaption(area, Superior, {RightX, 2, 185, 17}),
                   makeComboBox(area, SheetNames::controlName(Superior),
                                SheetNames::superiorEntries(), shownStart(Superior),
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
    auto *types = new TRadioGroup(SheetNames::typeCaption(), SheetNames::characterTypeNames(),
                                  SheetNames::characterTypeLabels(), 2, area);
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
    SheetValue force;
    QString forcesUp;
    QString forcesDown;
    SheetValue upper;
    SheetValue lower;
    QString up;
    QString down;
};

const ForceColumn ForceColumns[] = {
    {8, 129, 159, SheetValue::Corporeal, u"CorpForcesUpSpeedButton"_s,
     u"CorpForcesDownSpeedButton"_s, SheetValue::Strength, SheetValue::Agility,
     u"CorpUpSpeedButton"_s, u"CorpDownSpeedButton"_s},
    {192, 291, 321, SheetValue::Ethereal, u"EtherForcesUpSpeedButton"_s,
     u"EtherForcesDownSpeedButton"_s, SheetValue::Intelligence, SheetValue::Precision,
     u"EtherUpSpeedButton"_s, u"EtherDownSpeedButton"_s},
    {352, 453, 483, SheetValue::Celestial, u"CelestialForcesUpSpeedButton"_s,
     u"CelestialForcesDownSpeedButton"_s, SheetValue::Will, SheetValue::Perception,
     u"CelestialUpSpeedButton"_s, u"CelestialDownSpeedButton"_s},
};

QLineEdit *makeLargeBox(QWidget *area, const QString &name, const QRect &geometry)
{
    QLineEdit *box = makeValueBox(area, name, geometry);
    box->setFont(valueBoxFont());
    return box;
}

void buildForce(QWidget *area, const ForceColumn &column)
{
    QLabel *label = makeLabel(area, SheetNames::caption(column.force),
                              {column.labelX, 142, column.boxX - column.labelX - 2, 38});
    label->setFont(forceLabelFont());
    QLineEdit *box =
        makeLargeBox(area, SheetNames::controlName(column.force), {column.boxX, 142, 29, 38});
    const QString forces = ShellTr::tr("%1 Forces").arg(nameAfterLabel(label, box));
    setSpokenName(box, forces);
    setSpokenName(
        makeArrowButton(area, column.forcesUp, u"arrow-up"_s, {column.buttonX, 142, 25, 20}),
        ShellTr::tr("Raise %1").arg(forces));
    setSpokenName(
        makeArrowButton(area, column.forcesDown, u"arrow-down"_s, {column.buttonX, 162, 25, 20}),
        ShellTr::tr("Lower %1").arg(forces));
}

void buildCharacteristics(QWidget *area, const ForceColumn &column)
{
    const auto line = [&](SheetValue value, int y) {
        QLabel *shown = makeSerifLabel(area, SheetNames::caption(value),
                                       {column.labelX, y, column.boxX - column.labelX - 3, 21},
                                       Qt::AlignRight | Qt::AlignVCenter);
        return nameAfterLabel(
            shown, makeValueBox(area, SheetNames::controlName(value), {column.boxX, y, 29, 21}));
    };
    const QString upper = line(column.upper, 183);
    const QString lower = line(column.lower, 203);
    const QString move = ShellTr::tr("Move a point from %1 to %2");
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
    setSpokenName(
        makeLargeBox(area, SheetNames::controlName(SheetValue::TotalForces), {528, 142, 37, 38}),
        SheetNames::label(SheetValue::TotalForces));
    makeRule(area, {LeftX, 225, 563, 3});
}

void buildPointsBand(QWidget *area)
{
    const auto value = [area](SheetValue value, int labelX, int boxX) {
        QLabel *shown =
            makeSerifLabel(area, SheetNames::caption(value), {labelX, 232, boxX - labelX - 3, 21},
                           Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit *edit = makeValueBox(area, SheetNames::controlName(value), {boxX, 232, 29, 21});
        nameAfterLabel(shown, edit);
        return edit;
    };
    value(SheetValue::CharacterPoints, 8, 129);
    // Run together on the screen; spoken as two words.
    setSpokenName(value(SheetValue::MindHits, 192, 291), SheetNames::label(SheetValue::MindHits));
    setSpokenName(value(SheetValue::SoulHits, 352, 453), SheetNames::label(SheetValue::SoulHits));
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
