// The window's layout is fixed, so every caption in German and French must fit its control as
// it stands, at scale 1 and 2: every page of the main window, the About box and Report Setup.
// Each language and scale runs in a child process of this program, as the language is chosen
// once, before the first window is built.
#include "common/Translations.h"
#include "i18n/ShownTexts.h"
#include "print/report/windows/ReportSetupDialog.h"
#include "shell/cAbout.h"
#include "shell/cMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const char *const LanguageVariable = "QUILLMARK_FIT_LANGUAGE";

int textWidth(const QWidget *w, const QString &text)
{
    return w->fontMetrics().horizontalAdvance(withoutAccessKey(text));
}

// The room a caption has inside its control.
int room(QWidget *w)
{
    // A group box's title, where the style draws it.
    if (auto *group = qobject_cast<QGroupBox *>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, group);
        return group->width() - label.left() - 1;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        // A check box's or radio button's indicator; a tool button's frame is narrower than a
        // push button's.
        const int indicator = qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)
                                  ? w->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4
                              : qobject_cast<QToolButton *>(w) ? 6
                                                               : 8;
        return button->width() - icon - indicator;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->width() - 6;
    return w->contentsRect().width();
}

// A caption that does not fit: what it says and how much room it has.
QStringList tooWide(QWidget *root)
{
    QStringList problems;
    for (const ShownText &shown : shownTexts(root)) {
        QWidget *w = shown.widget;
        // A caption hidden by design (the note of a page switched off) is not shown as laid out.
        if (!shown.measured || qobject_cast<QTabWidget *>(w) || w->isHidden())
            continue;
        if (auto *label = qobject_cast<QLabel *>(w); label && label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                problems << u"%1: %2 (too high)"_s.arg(w->objectName(), shown.text);
            continue;
        }
        if (textWidth(w, shown.text) > room(w))
            problems << u"%1 \"%2\": %3 > %4"_s
                            .arg(QString::fromLatin1(w->metaObject()->className()), shown.text)
                            .arg(textWidth(w, shown.text))
                            .arg(room(w));
    }
    // Every tab of a page control shows at once, with no scroll arrows.
    for (QTabBar *tabs : root->findChildren<QTabBar *>()) {
        if (tabs->sizeHint().width() > tabs->parentWidget()->width())
            problems << u"the tabs of %1 need %2 > %3"_s.arg(tabs->parentWidget()->objectName())
                            .arg(tabs->sizeHint().width())
                            .arg(tabs->parentWidget()->width());
    }
    return problems;
}

} // namespace

class TestTranslationFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyLanguage_data();
    void everyLanguage();
    void captionsFit();
};

void TestTranslationFit::everyLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("scale");
    QTest::newRow("English, scale 1") << u"en"_s << u"1"_s;
    QTest::newRow("German, scale 1") << u"de"_s << u"1"_s;
    QTest::newRow("German, scale 2") << u"de"_s << u"2"_s;
    QTest::newRow("French, scale 1") << u"fr"_s << u"1"_s;
    QTest::newRow("French, scale 2") << u"fr"_s << u"2"_s;
}

void TestTranslationFit::everyLanguage()
{
    if (qEnvironmentVariableIsSet(LanguageVariable))
        QSKIP("run by the parent process");
    QFETCH(QString, language);
    QFETCH(QString, scale);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(LanguageVariable), language);
    environment.insert(u"QT_SCALE_FACTOR"_s, scale);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {u"captionsFit"_s});
    QVERIFY(child.waitForFinished(120000));
    QVERIFY2(child.exitCode() == 0, child.readAll().constData());
}

void TestTranslationFit::captionsFit()
{
    const QString language = qEnvironmentVariable(LanguageVariable);
    if (language.isEmpty())
        QSKIP("run in a child process for each language");
    QVERIFY(language == u"en"_s || Translations::install(language));
    TMainForm form;
    form.show();
    TAboutForm about(&form);
    about.show();
    ReportSetupDialog setup({}, true, &form);
    setup.show();
    QStringList problems = tooWide(&form) + tooWide(&about) + tooWide(&setup);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_MAIN(TestTranslationFit)
#include "tst_translation_fit.moc"
