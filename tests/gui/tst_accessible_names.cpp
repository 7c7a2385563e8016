// What assistive technology hears for the window's controls: every control has a name, the names
// come from the labels that stand for the controls, and the pictures carry a description.

#include "shell/cAbout.h"
#include "shell/cMain.h"
#include "shell/cSplash.h"
#include "shell/widgets/ProgramPicture.h"
#include "shell/widgets/TUpDown.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString spokenName(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// The widgets a user acts on or reads a value from: edits, combo boxes, list boxes, up-downs,
// buttons of every kind (arrows, check boxes, radio items), groups and menus. The page controls
// are heard by their tabs, which carry the pages' captions.
bool isControl(QWidget *widget)
{
    return qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget) ||
           qobject_cast<QAbstractItemView *>(widget) || qobject_cast<TUpDown *>(widget) ||
           qobject_cast<QAbstractButton *>(widget) || qobject_cast<QGroupBox *>(widget) ||
           qobject_cast<QMenu *>(widget) || qobject_cast<QMenuBar *>(widget);
}

// The nearest object name on the way up, for a control that has none of its own.
QString describe(QWidget *widget)
{
    const QString kind = QString::fromLatin1(widget->metaObject()->className());
    for (QObject *up = widget; up; up = up->parent()) {
        if (!up->objectName().isEmpty())
            return kind + u" "_s + up->objectName();
    }
    return kind;
}

QWidget *byName(QWidget *root, const QString &name)
{
    auto *found = root->findChild<QWidget *>(name);
    if (!found)
        qWarning("no widget named %s", qPrintable(name));
    return found;
}

} // namespace

class TestAccessibleNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasAName();
    void namesSayWhatTheControlIs_data();
    void namesSayWhatTheControlIs();
    void aLabelIsTiedToItsControl();
    void picturesCarryADescription();
};

void TestAccessibleNames::everyControlHasAName()
{
    TMainForm form;
    QStringList nameless;
    QStringList heard;
    for (QWidget *widget : form.findChildren<QWidget *>()) {
        // A control the window keeps hidden (the menu bar's overflow arrow) is never heard.
        if (!isControl(widget) || (widget->isHidden() && !widget->isWindow()))
            continue;
        heard << widget->objectName();
        if (spokenName(widget).trimmed().isEmpty())
            nameless << describe(widget);
    }
    QVERIFY2(nameless.isEmpty(), qPrintable(u"without a name: "_s + nameless.join(u", "_s)));
    for (const QString &kind : {u"TotalForcesEdit"_s, u"SuperiorComboBox"_s, u"BonusUpDown"_s,
                                u"ExtraSuperiorAttunmentListBox"_s, u"MundaneCheckBox"_s,
                                u"File1"_s, u"SongLevelUpDown"_s, u"DistinctionsBitBtn"_s})
        QVERIFY2(heard.contains(kind), qPrintable(kind));
}

// One row for each way a name is made.
void TestAccessibleNames::namesSayWhatTheControlIs_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("label") << u"CharacterNameEdit"_s << u"Character Name"_s;
    QTest::newRow("label run together") << u"MindHitsEdit"_s << u"Mind Hits"_s;
    QTest::newRow("Force arrow") << u"CelestialForcesDownSpeedButton"_s
                                 << u"Lower Celestial Forces"_s;
    QTest::newRow("characteristic arrow up")
        << u"CorpUpSpeedButton"_s << u"Move a point from Agility to Strength"_s;
    QTest::newRow("attunement Add")
        << u"ExtraSuperiorAttunmentSpeedButton"_s << u"Add Superior attunement"_s;
    QTest::newRow("group caption") << u"ForcesBonusBitBtn"_s << u"Apply Total Forces Bonus"_s;
    QTest::newRow("menu") << u"Help1"_s << u"Help"_s;
}

void TestAccessibleNames::namesSayWhatTheControlIs()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    TMainForm form;
    QCOMPARE(spokenName(byName(&form, control)), name);
}

void TestAccessibleNames::aLabelIsTiedToItsControl()
{
    TMainForm form;
    const auto labelsOf = [&form](const QString &name) {
        QStringList labels;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(byName(&form, name));
        for (const auto &[label, relation] : face->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        return labels;
    };
    QCOMPARE(labelsOf(u"StrengthEdit"_s), QStringList{u"Strength:"_s});
    // On this platform a combo box speaks its text as its name and is known by its label; the
    // edit inside it, which takes the focus, carries the label's words.
    auto *combo = form.findChild<QComboBox *>(u"Choir_BandComboBox"_s);
    QVERIFY(combo);
    QCOMPARE(labelsOf(u"Choir_BandComboBox"_s), QStringList{u"Choir/Band:"_s});
    QCOMPARE(spokenName(combo->lineEdit()), u"Choir/Band"_s);

    // The arrows of an up-down are named after its box.
    auto *upDown = form.findChild<TUpDown *>(u"BonusUpDown"_s);
    QVERIFY(upDown);
    QStringList arrows;
    for (QAbstractButton *arrow : upDown->findChildren<QAbstractButton *>())
        arrows << spokenName(arrow);
    QCOMPARE(arrows,
             (QStringList{u"Raise Character Point Bonus"_s, u"Lower Character Point Bonus"_s}));
}

void TestAccessibleNames::picturesCarryADescription()
{
    TMainForm form;
    TSplashForm splash;
    TAboutForm about(&form);
    for (QWidget *window : {static_cast<QWidget *>(&splash), static_cast<QWidget *>(&about)}) {
        auto *picture = window->findChild<ProgramPicture *>();
        QVERIFY(picture);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(picture);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), u"Quillmark"_s);
        QVERIFY(face->text(QAccessible::Description).contains(u"quill"_s));
    }
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"
