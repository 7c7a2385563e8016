#include "sheet/Bonuses.h"
#include "sheet/CharacterSheet.h"
#include "sheet/CharacterTypes.h"
#include "sheet/Forces.h"
#include "support/RecordingPrompter.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using Forces::Realm;

// Runs long random sequences of the clicks a user can make on the Forces, the characteristics,
// the type and the two bonuses, and checks after every click that the sheet still holds together.
class TestInvariants : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomClicksKeepTheSheetConsistent_data();
    void randomClicksKeepTheSheetConsistent();
};

namespace {

struct RealmValues
{
    Realm realm;
    SheetValue force, first, second;
};

const RealmValues realms[] = {
    {Realm::Corporeal, SheetValue::Corporeal, SheetValue::Strength, SheetValue::Agility},
    {Realm::Ethereal, SheetValue::Ethereal, SheetValue::Intelligence, SheetValue::Precision},
    {Realm::Celestial, SheetValue::Celestial, SheetValue::Will, SheetValue::Perception},
};

int placed(const CharacterSheet &sheet)
{
    return sheet.number(SheetValue::Corporeal) + sheet.number(SheetValue::Ethereal) +
           sheet.number(SheetValue::Celestial);
}

class Run
{
public:
    explicit Run(quint32 seed) : m_random(seed) {}

    // One random click; returns a description for the failure message.
    QString click()
    {
        const int kind = m_random.bounded(10);
        if (kind == 0)
            return chooseType();
        if (kind == 1)
            return pointBonus();
        if (kind == 2)
            return forcesBonus();
        return forceButton(kind >= 6);
    }

    // Empty when every rule holds, otherwise the first broken one.
    QString broken() const
    {
        if (m_sheet.totalColour() != m_colour)
            return u"colour"_s;
        if (m_sheet.number(SheetValue::CharacterPoints) != m_points)
            return u"character points moved"_s;
        if (!m_sheet.hasType())
            return {};
        for (const RealmValues &r : realms) {
            const int force = m_sheet.number(r.force);
            const int first = m_sheet.number(r.first);
            const int second = m_sheet.number(r.second);
            if (first + second != 4 * force)
                return u"pair sum"_s;
            const bool remnantCelestial = r.realm == Realm::Celestial && m_sheet.typeIndex() == 6;
            if (remnantCelestial ? force != 0 : force < 1 || force > 6)
                return u"Force bounds"_s;
            if (!remnantCelestial && (first < 1 || first > 12 || second < 1 || second > 12))
                return u"characteristic bounds"_s;
        }
        if (m_sheet.number(SheetValue::MindHits) !=
            m_sheet.number(SheetValue::Ethereal) * m_sheet.number(SheetValue::Intelligence))
            return u"mind hits"_s;
        if (m_sheet.number(SheetValue::SoulHits) !=
            m_sheet.number(SheetValue::Celestial) * m_sheet.number(SheetValue::Will))
            return u"soul hits"_s;
        if (placed(m_sheet) > m_sheet.number(SheetValue::TotalForces))
            return u"Forces above the total"_s;
        if (m_sheet.number(SheetValue::TotalForces) > 18)
            return u"total above 18"_s;
        return {};
    }

private:
    QString chooseType()
    {
        const int index = m_random.bounded(8);
        const bool allowed = m_random.bounded(8) != 0;
        const int oldIndex = m_sheet.typeIndex();
        CharacterTypes::AllowedTypes offered{};
        offered.fill(allowed);
        CharacterTypes::select(m_sheet, index, offered, m_prompter);
        if (allowed) {
            m_points = 4 * m_sheet.number(SheetValue::TotalForces);
            m_colour = placed(m_sheet) == m_sheet.number(SheetValue::TotalForces)
                           ? TotalColour::Green
                           : TotalColour::Red;
        } else if (m_sheet.typeIndex() != -1 || m_sheet.text(SheetValue::TotalForces) != u"0"_s) {
            m_colour = TotalColour::Menu; // reported as a colour fault by broken()
        }
        return u"type %1 over %2, allowed %3"_s.arg(index).arg(oldIndex).arg(allowed);
    }

    QString pointBonus()
    {
        const int amount = m_random.bounded(-10, 11);
        Bonuses::applyPointBonus(m_sheet, QString::number(amount));
        m_points += amount;
        return u"point bonus %1"_s.arg(amount);
    }

    QString forcesBonus()
    {
        const int amount = m_random.bounded(-9, 10);
        m_sheet.setForcesBonus(QString::number(amount));
        if (Bonuses::applyForcesBonus(m_sheet, m_prompter) == Bonuses::ForcesBonusResult::Applied)
            m_colour = TotalColour::Red;
        return u"forces bonus %1"_s.arg(amount);
    }

    QString forceButton(bool characteristic)
    {
        const RealmValues &r = realms[m_random.bounded(3)];
        // The Celestial buttons cannot be clicked while they are disabled.
        if (r.realm == Realm::Celestial && !m_sheet.celestialEnabled())
            return u"disabled Celestial button"_s;
        const bool up = m_random.bounded(2) == 0;
        if (characteristic && up)
            Forces::moveCharacteristicUp(m_sheet, r.realm, m_prompter);
        else if (characteristic)
            Forces::moveCharacteristicDown(m_sheet, r.realm, m_prompter);
        else if (up)
            Forces::raise(m_sheet, r.realm, m_prompter);
        else
            Forces::lower(m_sheet, r.realm, m_prompter);
        if (!characteristic && m_sheet.hasType())
            m_colour = placed(m_sheet) == m_sheet.number(SheetValue::TotalForces)
                           ? TotalColour::Green
                           : TotalColour::Red;
        return u"%1 %2 of realm %3"_s
            .arg(characteristic ? u"characteristic"_s : u"Force"_s, up ? u"up"_s : u"down"_s)
            .arg(int(r.realm));
    }

    QRandomGenerator m_random;
    CharacterSheet m_sheet;
    RecordingPrompter m_prompter;
    TotalColour m_colour = TotalColour::Menu;
    int m_points = 0;
};

} // namespace

void TestInvariants::randomClicksKeepTheSheetConsistent_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 20261207") << 20261207u;
    QTest::newRow("seed 4242") << 4242u;
}

void TestInvariants::randomClicksKeepTheSheetConsistent()
{
    QFETCH(quint32, seed);
    Run run(seed);
    for (int step = 0; step < 8000; ++step) {
        const QString clicked = run.click();
        const QString broken = run.broken();
        if (!broken.isEmpty())
            QFAIL(qPrintable(u"step %1 (%2): %3"_s.arg(step).arg(clicked, broken)));
    }
}

QTEST_GUILESS_MAIN(TestInvariants)
#include "tst_invariants.moc"
