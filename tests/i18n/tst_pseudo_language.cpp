// Under a pseudo-language, in which every text of the catalogue is bracketed and accented, no
// text the window, its menus, the About box, Report Setup or a message shows may still be plain
// English: such a text did not go through translation.
#include "common/Translations.h"
#include "i18n/ShownTexts.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A text with a Latin letter that is not inside the pseudo-language's brackets.
bool escapedTranslation(const QString &text)
{
    static const QRegularExpression letter(u"[A-Za-z]"_s);
    return text.contains(letter) && !text.contains(u'[');
}

// The widgets walked, and the English texts found on them.
struct Walk
{
    QSet<QWidget *> visited;
    QStringList english;

    void over(QWidget *root)
    {
        for (const ShownText &shown : shownTexts(root)) {
            visited.insert(shown.widget);
            if (escapedTranslation(shown.text))
                english << u"%1: %2"_s.arg(shown.widget->objectName(), shown.text);
        }
    }
};

} // namespace

class TestPseudoLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_folder.enter()); }
    void cleanup() { m_folder.leave(); }
    void windowMenusAndDialogs();
    void messages();

private:
    TemporaryCurrentFolder m_folder;
};

void TestPseudoLanguage::windowMenusAndDialogs()
{
    QVERIFY(QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"),
                        m_folder.filePath(u"qmsheet.rav"_s)));
    TMainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Walk walk;
    walk.over(&form);

    ModalWatcher watcher;
    watcher.onDialog([&walk](QWidget *about) {
        walk.over(about);
        static_cast<QDialog *>(about)->reject();
    });
    form.control<QAction>(u"About1"_s)->trigger();
    watcher.onDialog([&walk](QWidget *setup) {
        QCOMPARE(setup->objectName(), u"ReportSetupDialog"_s);
        walk.over(setup);
        static_cast<QDialog *>(setup)->reject();
    });
    form.control<QAction>(u"Print1"_s)->trigger();
    QStringList filters;
    watcher.onDialog([&filters](QWidget *dialog) {
        filters = qobject_cast<QFileDialog *>(dialog)->nameFilters();
        static_cast<QDialog *>(dialog)->reject();
    });
    form.control<QAction>(u"Open1"_s)->trigger();

    QVERIFY2(walk.english.isEmpty(), qPrintable(walk.english.join(u'\n')));
    // The main window with its eight resource pages, the About box and Report Setup.
    QVERIFY2(walk.visited.size() >= 230, qPrintable(QString::number(walk.visited.size())));
    QCOMPARE(filters.size(), 1);
    QVERIFY2(!escapedTranslation(filters.first()), qPrintable(filters.first()));
}

void TestPseudoLanguage::messages()
{
    TMainForm form;
    form.show();
    ModalWatcher watcher;
    form.control<QAbstractButton>(u"SongAddBitBtn"_s)->click();
    form.control<QAbstractButton>(u"CorpForcesUpSpeedButton"_s)->click();
    watcher.answer(QMessageBox::No);
    form.control<QAction>(u"New1"_s)->trigger();
    QCOMPARE(watcher.seen().size(), 3);
    for (const ModalWatcher::Box &box : watcher.seen())
        QVERIFY2(!escapedTranslation(box.text), qPrintable(box.text));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!Translations::installProgramCatalogue(u":/pseudo/quillmark_pseudo.qm"_s))
        qFatal("the pseudo-language catalogue is missing");
    TestPseudoLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pseudo_language.moc"
