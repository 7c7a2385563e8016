// Items read in the player's language wherever they are shown, from their fields, while the sheet
// keeps them as stored: the printout and the Markdown and text exports of a German or French sheet
// carry no English item field and no English prompt.
#include "export/SheetExports.h"
#include "print/PrintTexts.h"
#include "resources/ItemFields.h"
#include "sheet/CharacterSheet.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// The program's catalogue for a language, installed while it lives.
class Language
{
public:
    explicit Language(const QString &code)
    {
        if (!code.isEmpty() && m_catalogue.load(u":/i18n/quillmark_"_s + code + u".qm"_s))
            m_installed = QCoreApplication::installTranslator(&m_catalogue);
    }
    ~Language() { QCoreApplication::removeTranslator(&m_catalogue); }
    bool installed() const { return m_installed; }

private:
    QTranslator m_catalogue;
    bool m_installed = false;
};

// An item of every kind that has a format, each realm once; the prompts still standing.
void fillEveryKind(CharacterSheet &sheet)
{
    sheet.setItems(SheetList::Songs,
                   {u"Corporeal Song of Saut ,Level:1"_s, u"Ethereal Song of Charme ,Level:3"_s,
                    u"Celestial Song of Lumen ,Level:2"_s});
    sheet.setItems(SheetList::Skills, {u"Natation Level:3"_s});
    sheet.setItems(SheetList::Vessels, {u"Humaine ,Body Hits:96 ,Charisma:-2 Level:2 Cost:2"_s});
    sheet.setItems(SheetList::Roles, {u"Avocate, Level:2, Status:3, Cost:3"_s});
    sheet.setItems(SheetList::Servants, {u"Chien, Level:3, Class:1, Cost:2"_s});
    sheet.setItems(SheetList::Artifacts,
                   {u"Corporeal Artifact of Clef ,Level:1 ,Modifier:+2 ,Cost:3"_s,
                    u"Ethereal Artifact of Lampe ,Level:2 ,Modifier:-1 ,Cost:3"_s,
                    u"Celestial Artifact of Plume ,Level:2 ,Modifier:0 ,Cost:6"_s});
    sheet.setItems(SheetList::Discords, {u"Corporeal Discord of Boiterie ,Level:2 ,Cost:6"_s,
                                         u"Ethereal Discord of Peur ,Level:1 ,Cost:3"_s,
                                         u"Celestial Discord of Doute ,Level:3 ,Cost:9"_s});
}

} // namespace

class TestShownItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void itemReadsInTheLanguage_data();
    void itemReadsInTheLanguage();
    void outputsCarryNoEnglishWord_data();
    void outputsCarryNoEnglishWord();
};

void TestShownItems::itemReadsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<SheetList>("list");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("English: as stored, blank for blank")
        << QString() << SheetList::Songs << u"Ethereal Song of  Charm  ,Level:3"_s
        << u"Ethereal Song of  Charm  ,Level:3"_s;
    QTest::newRow("French Song, the realm agrees")
        << u"fr"_s << SheetList::Songs << u"Ethereal Song of Charme ,Level:3"_s
        << u"Chant éthéré\u00a0: Charme, niveau 3"_s;
    QTest::newRow("French Discord, the realm agrees")
        << u"fr"_s << SheetList::Discords << u"Ethereal Discord of Peur ,Level:1 ,Cost:3"_s
        << u"Discorde éthérée\u00a0: Peur, niveau 1, valeur 3"_s;
    QTest::newRow("German Vessel, the number as typed")
        << u"de"_s << SheetList::Vessels << u"Mensch ,Body Hits:12 ,Charisma:+1 Level:2 Cost:8"_s
        << u"Mensch, Körpertreffer 12, Charisma +1, Stufe 2, Kosten 8"_s;
    QTest::newRow("German Artifact")
        << u"de"_s << SheetList::Artifacts
        << u"Celestial Artifact of Lampe ,Level:2 ,Modifier:-1 ,Cost:5"_s
        << u"Himmlisches Artefakt: Lampe, Stufe 2, Modifikator -1, Kosten 5"_s;
    QTest::newRow("a name holding a placeholder and a separator stays whole")
        << u"fr"_s << SheetList::Skills << u"100%2 Level:1 Level:4"_s
        << u"100%2 Level:1, niveau 4"_s;
    QTest::newRow("an edited item shows as stored")
        << u"fr"_s << SheetList::Skills << u"Escalade Level:haut"_s << u"Escalade Level:haut"_s;
    QTest::newRow("a realm the game does not know shows as stored")
        << u"de"_s << SheetList::Songs << u"Astral Song of X ,Level:1"_s
        << u"Astral Song of X ,Level:1"_s;
    QTest::newRow("a Distinction is free text")
        << u"de"_s << SheetList::Distinctions << u"Friend of the Flame, Level:2, Status:3, Cost:3"_s
        << u"Friend of the Flame, Level:2, Status:3, Cost:3"_s;
}

void TestShownItems::itemReadsInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(SheetList, list);
    QFETCH(QString, stored);
    const Language installed(language);
    QCOMPARE(installed.installed(), !language.isEmpty());
    QTEST(Resources::ShownItems(list)(stored), "shown");
}

void TestShownItems::outputsCarryNoEnglishWord_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("output"); // 0 printout, 1 Markdown, 2 text
    for (const QString &language : {u"de"_s, u"fr"_s}) {
        QTest::addRow("%s printout", qPrintable(language)) << language << 0;
        QTest::addRow("%s Markdown", qPrintable(language)) << language << 1;
        QTest::addRow("%s text", qPrintable(language)) << language << 2;
    }
}

void TestShownItems::outputsCarryNoEnglishWord()
{
    QFETCH(QString, language);
    QFETCH(int, output);
    const Language installed(language);
    QVERIFY(installed.installed());
    CharacterSheet sheet;
    fillEveryKind(sheet);
    QString text;
    if (output == 0) {
        for (const PrintTexts::Field &field : PrintTexts::textFields(sheet))
            text += field.text + u'\n';
        text += PrintTexts::firstColumnLines(sheet).join(u'\n') +
                PrintTexts::secondColumnLines(sheet).join(u'\n');
    } else {
        const auto format =
            output == 1 ? SheetExports::Format::Markdown : SheetExports::Format::Text;
        text = QString::fromUtf8(SheetExports::write(format, sheet));
    }
    for (const char *english :
         {"Song of", "Artifact of", "Discord of", "Level", "Cost", "Body Hits",
          "Charisma:", "Status:", "Class:", "Modifier", "Corporeal", "Ethereal", "Celestial",
          "Enter Character Name", "Select Choir or Band", "Select Superior"})
        QVERIFY2(!text.contains(QLatin1StringView(english)),
                 qPrintable(QLatin1StringView(english) + u"\n"_s + text));
    QVERIFY2(text.contains(u"Charme"_s) && text.contains(u"Boiterie"_s), qPrintable(text));
    // The sheet keeps what it stores.
    QCOMPARE(sheet.items(SheetList::Songs).at(1), u"Ethereal Song of Charme ,Level:3"_s);
}

QTEST_GUILESS_MAIN(TestShownItems)
#include "tst_shown_items.moc"
