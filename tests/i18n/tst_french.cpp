// On a French desktop the program reads as a French player expects: a label keeps a no-break
// space before its colon, in the window and in the exports; the unsaved question's Discard says
// what it does; and the texts beside the window are French, numbers included.
#include "export/SheetExports.h"
#include "i18n/DesktopLanguage.h"
#include "i18n/PlayerTexts.h"
#include "i18n/ShownTexts.h"
#include "shell/cMain.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The colons in a text that have no no-break space before them.
QStringList bareColons(const QString &text)
{
    static const QRegularExpression bare(u"\\S{0,12}[^\\x{a0}]:(?!//)"_s);
    QStringList found;
    for (const QRegularExpressionMatch &m : bare.globalMatch(text))
        found << m.captured();
    return found;
}

} // namespace

class TestFrench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_folder.enter()); }
    void cleanup() { m_folder.leave(); }
    void labelsKeepTheSpaceBeforeTheirColon();
    void unsavedQuestionSaysNotToSave();
    void wordsAndNumbersBesideTheWindow();

private:
    TemporaryCurrentFolder m_folder;
};

void TestFrench::labelsKeepTheSpaceBeforeTheirColon()
{
    TMainForm form;
    form.show();
    QStringList bare;
    int labels = 0;
    for (const ShownText &shown : shownTexts(&form)) {
        const QString text = withoutAccessKey(shown.text);
        labels += int(text.endsWith(u"\u00a0:"_s));
        bare += bareColons(text);
    }
    QVERIFY2(bare.isEmpty(), qPrintable(bare.join(u'\n')));
    QVERIFY2(labels >= 30, qPrintable(QString::number(labels)));

    CharacterSheet sheet;
    sheet.setText(SheetValue::CharacterName, u"Aude"_s);
    for (const auto format : {SheetExports::Format::Markdown, SheetExports::Format::Text}) {
        // The closing marker is the same in every language.
        QString text = QString::fromUtf8(SheetExports::write(format, sheet));
        text.truncate(text.lastIndexOf(u"Quillmark character export:"_s));
        QVERIFY2(text.contains(u"Type\u00a0:"_s) && bareColons(text).isEmpty(), qPrintable(text));
    }
}

// "Ne pas tenir compte", Qt's word, is not the answer to a question about saving.
void TestFrench::unsavedQuestionSaysNotToSave()
{
    TMainForm form;
    form.show();
    form.sheet().setText(SheetValue::CharacterName, u"Aude"_s);
    QStringList buttons;
    QTimer::singleShot(0, &form, [&buttons] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (const auto which : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
            buttons << withoutAccessKey(box->button(which)->text());
        box->button(QMessageBox::Cancel)->click();
    });
    form.control<QAction>(u"New1"_s)->trigger();
    QCOMPARE(buttons, (QStringList{u"Enregistrer"_s, u"Ne pas enregistrer"_s, u"Annuler"_s}));
    QCOMPARE(form.sheet().text(SheetValue::CharacterName), u"Aude"_s);
}

// A Force's refusal says what is refused, --help names what it is given in French, a nameless
// character's file is offered in French, and large numbers are written the French way.
void TestFrench::wordsAndNumbersBesideTheWindow()
{
    QCOMPARE(PlayerTexts::forceAtSixRefusal(), u"Une Force ne peut pas dépasser 6."_s);
    QCOMPARE(PlayerTexts::nameOfANamelessCharacter(), u"Personnage.qmc"_s);
    const QString help = PlayerTexts::help();
    QVERIFY2(help.startsWith(u"Usage\u00a0: quillmark [options] [FICHIER]\n"_s) &&
                 help.contains(u"--pdf <SORTIE> "_s) && help.contains(u"--layout <MODÈLE.rav>"_s),
             qPrintable(help));
    const QString refusal = PlayerTexts::tooLongValueRefusal();
    QVERIFY2(
        refusal.endsWith(u"(100\u202f001\u00a0caractères)\u00a0; une valeur peut avoir au plus "
                         u"100\u202f000 caractères"_s),
        qPrintable(refusal));
}

int main(int argc, char *argv[])
{
    return runOnDesktop<TestFrench>("fr_FR.UTF-8", "fr", argc, argv);
}

#include "tst_french.moc"
