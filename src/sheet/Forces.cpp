#include "sheet/Forces.h"

#include "common/Prompter.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/Tr.h"
#include "sheet/TypeGuard.h"

#include <optional>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace Forces {
namespace {

struct RealmValues
{
    SheetValue force;
    SheetValue first;
    SheetValue second;
    std::optional<SheetValue> hits;
};

RealmValues valuesOf(Realm realm)
{
    switch (realm) {
    case Realm::Corporeal:
        return {SheetValue::Corporeal, SheetValue::Strength, SheetValue::Agility, std::nullopt};
    case Realm::Ethereal:
        return {SheetValue::Ethereal, SheetValue::Intelligence, SheetValue::Precision,
                SheetValue::MindHits};
    case Realm::Celestial:
        break;
    }
    return {SheetValue::Celestial, SheetValue::Will, SheetValue::Perception, SheetValue::SoulHits};
}

bool guardPasses(const CharacterSheet &sheet, Prompter &prompter)
{
    return TypeGuard::passes(sheet, prompter, TypeGuard::forcesMessage());
}

// Moves one point from `from` to `to` when both stay within 1 to 12; returns {to, from}.
std::pair<int, int> movePoint(int to, int from)
{
    if (to >= 1 && to <= 11 && from >= 2 && from <= 12)
        return {to + 1, from - 1};
    return {to, from};
}

void moveCharacteristic(CharacterSheet &sheet, Realm realm, Prompter &prompter, bool up)
{
    if (!guardPasses(sheet, prompter))
        return;
    const RealmValues v = valuesOf(realm);
    const int force = v.hits ? sheet.number(v.force) : 0;
    int first = sheet.number(v.first);
    int second = sheet.number(v.second);
    if (up)
        std::tie(first, second) = movePoint(first, second);
    else
        std::tie(second, first) = movePoint(second, first);
    const int hits = v.hits ? IntText::multiply(force, first) : 0;
    sheet.setNumber(v.first, first);
    sheet.setNumber(v.second, second);
    if (v.hits)
        sheet.setNumber(*v.hits, hits);
}

struct ForceState
{
    int total;
    int force;
    int placed;
};

ForceState readForces(const CharacterSheet &sheet, Realm realm)
{
    const int total = sheet.number(SheetValue::TotalForces);
    const int corporeal = sheet.number(SheetValue::Corporeal);
    const int ethereal = sheet.number(SheetValue::Ethereal);
    const int celestial = sheet.number(SheetValue::Celestial);
    const int placed = IntText::add(IntText::add(corporeal, ethereal), celestial);
    const int force = realm == Realm::Corporeal  ? corporeal
                      : realm == Realm::Ethereal ? ethereal
                                                 : celestial;
    return {total, force, placed};
}

// Writes the new Force with its pair at 2 x the Force and the realm's hits.
void writeForce(CharacterSheet &sheet, Realm realm, int force)
{
    const RealmValues v = valuesOf(realm);
    const int characteristic = IntText::multiply(2, force);
    const int hits = IntText::multiply(force, characteristic);
    sheet.setNumber(v.force, force);
    sheet.setNumber(v.first, characteristic);
    sheet.setNumber(v.second, characteristic);
    if (v.hits)
        sheet.setNumber(*v.hits, hits);
}

// Green when the three Forces add up to the total, red otherwise.
void setTotalColour(CharacterSheet &sheet, int placedForces, int total)
{
    sheet.setTotalColour(placedForces == total ? TotalColour::Green : TotalColour::Red);
}

QString totalRefusal(Realm realm)
{
    return realm == Realm::Corporeal ? SheetTr::tr("You can not exceed your total forces.")
                                     : SheetTr::tr("You cannot exceed your total forces.");
}

} // namespace

void moveCharacteristicUp(CharacterSheet &sheet, Realm realm, Prompter &prompter)
{
    moveCharacteristic(sheet, realm, prompter, true);
}

void moveCharacteristicDown(CharacterSheet &sheet, Realm realm, Prompter &prompter)
{
    moveCharacteristic(sheet, realm, prompter, false);
}

void raise(CharacterSheet &sheet, Realm realm, Prompter &prompter)
{
    if (!guardPasses(sheet, prompter))
        return;
    ForceState s = readForces(sheet, realm);
    if (s.force == 6) {
        prompter.inform(SheetTr::tr("You can not exceed 6 Forces."));
    } else if (s.placed < s.total) {
        const int force = IntText::add(s.force, 1);
        s.placed = IntText::add(s.placed, 1);
        writeForce(sheet, realm, force);
    } else {
        prompter.inform(totalRefusal(realm));
    }
    setTotalColour(sheet, s.placed, s.total);
}

void lower(CharacterSheet &sheet, Realm realm, Prompter &prompter)
{
    if (!guardPasses(sheet, prompter))
        return;
    ForceState s = readForces(sheet, realm);
    if (s.force > 1) {
        const int force = s.force - 1;
        s.placed = IntText::subtract(s.placed, 1);
        writeForce(sheet, realm, force);
    } else {
        prompter.inform(SheetTr::tr("You may not go below 1 force."));
    }
    setTotalColour(sheet, s.placed, s.total);
}

void showPlacedForces(CharacterSheet &sheet)
{
    const auto read = [&sheet](SheetValue v) { return IntText::parse(sheet.text(v)); };
    const auto total = read(SheetValue::TotalForces);
    const auto corporeal = read(SheetValue::Corporeal);
    const auto ethereal = read(SheetValue::Ethereal);
    const auto celestial = read(SheetValue::Celestial);
    if (!total || !corporeal || !ethereal || !celestial)
        return;
    // In 64 bits, so that three huge Forces cannot wrap around to the total.
    const qint64 placed = qint64(*corporeal) + *ethereal + *celestial;
    sheet.setTotalColour(placed == *total ? TotalColour::Green : TotalColour::Red);
}

} // namespace Forces
