// The main window's frame: start-up artwork, the About box, the help window, the captions and
// icons of the program's message boxes, and leaving with File > Exit.

#include "shell/AppTitle.h"
#include "shell/HelpWindow.h"
#include "shell/QuillPrompter.h"
#include "shell/builders/ControlKit.h"
#include "shell/cAbout.h"
#include "shell/cMain.h"
#include "shell/cSplash.h"
#include "shell/widgets/Artwork.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Counts the close requests a window receives.
class CloseCounter : public QObject
{
public:
    int closes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The share of pixels that differ clearly between two images of the same size.
double differingShare(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    qsizetype differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QColor p = left.pixelColor(x, y), q = right.pixelColor(x, y);
            if (qAbs(p.red() - q.red()) + qAbs(p.green() - q.green()) + qAbs(p.blue() - q.blue()) >
                24)
                ++differing;
        }
    return double(differing) / (qsizetype(left.width()) * left.height());
}

// Clicks a control of a window the way the user's mouse does, through the window system, so
// that a modal window in front of it gets the chance to block the click.
void clickThroughWindow(QWidget *window, QWidget *control)
{
    const QPoint at = control->mapTo(window, control->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

// The program's picture as the splash window should show it.
QImage splashPicture(QSize size)
{
    QImage expected(size, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter painter(&expected);
    QSvgRenderer(u":/images/quillmark-picture.svg"_s).render(&painter, QRectF(expected.rect()));
    return expected;
}

} // namespace

class FrameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void artworkIsInTheResources_data();
    void artworkIsInTheResources();
    void renderedArtworkHasItsSize_data();
    void renderedArtworkHasItsSize();
    void missingArtworkReadsAsNothing();
    void buttonImagesAreTheirPngs();
    void splashShowsThePictureAtItsSize();

    void aboutBoxLayout();
    void aboutOkClosesTheBox();
    void aboutOpenedTwiceGivesTwoModalBoxes();

    void helpTopicsShowsTheContentsAndReusesItsWindow();
    void helpWindowGoesBackAndForward();
    void helpLinksReachExistingPages_data();
    void helpLinksReachExistingPages();
    void helpWithoutItsPageSaysSo();

    void titleRule_data();
    void titleRule();
    void plainAndQuestionBoxesCarryTheTitleAndNoIcon();
    void errorBoxAddsAFullStop_data();
    void errorBoxAddsAFullStop();

    void exitEndsTheRunWithoutTheClosePath();
    void closingTakesTheClosePath();
    void closingEndsTheRunWhileHelpIsOpen();

private:
    TemporaryCurrentFolder m_folder;
};

void FrameTest::init()
{
    // The window reads and writes its settings file in the current folder.
    QVERIFY(m_folder.enter());
}

void FrameTest::cleanup()
{
    m_folder.leave();
}

void FrameTest::artworkIsInTheResources_data()
{
    QTest::addColumn<QString>("path");
    const struct
    {
        const char *name;
        bool greyed;
    } images[] = {{"quillmark-picture", false}, {"quillmark-icon", false}, {"check", false},
                  {"arrow-up", true},           {"arrow-down", true},      {"arrow-right", true},
                  {"paper-pen", true}};
    for (const auto &image : images) {
        const QString base = u":/images/"_s + QLatin1StringView(image.name);
        QTest::newRow(image.name) << base + u".svg"_s;
        if (image.greyed)
            QTest::addRow("%s-disabled", image.name) << base + u"-disabled.svg"_s;
    }
}

void FrameTest::artworkIsInTheResources()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QVERIFY(QSvgRenderer(path).isValid());
}

void FrameTest::renderedArtworkHasItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("arrow-up") << u":/images/arrow-up.png"_s << QSize(16, 16);
    QTest::newRow("arrow-up-disabled@2x")
        << u":/images/arrow-up-disabled@2x.png"_s << QSize(32, 32);
    QTest::newRow("paper-pen-disabled") << u":/images/paper-pen-disabled.png"_s << QSize(16, 16);
    QTest::newRow("check@2x") << u":/images/check@2x.png"_s << QSize(32, 32);
    QTest::newRow("icon 16") << u":/images/quillmark-icon-16.png"_s << QSize(16, 16);
    QTest::newRow("icon 64") << u":/images/quillmark-icon-64.png"_s << QSize(64, 64);
    QTest::newRow("picture") << u":/images/quillmark-picture.png"_s << QSize(224, 692);
}

void FrameTest::renderedArtworkHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image = Artwork::readPng(path);
    QCOMPARE(image.size(), size);
    // Drawn on a transparent ground: a corner of a button image shows the button through it.
    if (size.width() <= 32 && !path.contains(u"icon"_s))
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
}

void FrameTest::missingArtworkReadsAsNothing()
{
    QVERIFY(Artwork::readPng(u":/images/no-such-image.png"_s).isNull());
    // An SVG is not read as PNG.
    QVERIFY(Artwork::readPng(u":/images/arrow-up.svg"_s).isNull());
    QIcon icon;
    ControlKit::addPng(icon, u"no-such-image"_s);
    QVERIFY(icon.isNull());
}

// Read when first drawn, a button's image is its PNG, greyed its -disabled PNG.
void FrameTest::buttonImagesAreTheirPngs()
{
    const QIcon icon = ControlKit::buttonImage(u"arrow-up"_s);
    QVERIFY(!icon.isNull());
    const auto shown = [&icon](QIcon::Mode mode) {
        return icon.pixmap(QSize(16, 16), 1.0, mode)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
    };
    QCOMPARE(shown(QIcon::Normal),
             Artwork::readPng(u":/images/arrow-up.png"_s).convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(shown(QIcon::Disabled), Artwork::readPng(u":/images/arrow-up-disabled.png"_s)
                                         .convertToFormat(QImage::Format_ARGB32));
    QVERIFY(ControlKit::buttonImage(u"no-such-image"_s).isNull());
}

void FrameTest::splashShowsThePictureAtItsSize()
{
    TSplashForm splash;
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.size(), QSize(112, 346));
    QScreen *screen = QGuiApplication::primaryScreen();
    QCOMPARE(splash.frameGeometry().center(), screen->availableGeometry().center());

    splash.showPainted();
    const QImage shown = screen->grabWindow(splash.winId()).toImage();
    QCOMPARE(shown.size(), QSize(112, 346) * splash.devicePixelRatio());
    QVERIFY2(differingShare(shown, splashPicture(shown.size())) < 0.02,
             "the splash shows something else");
}

void FrameTest::aboutBoxLayout()
{
    QWidget owner; // away from the centre: the box still stands in the middle of the screen
    owner.setGeometry(10, 10, 200, 100);
    owner.show();
    TAboutForm about(&owner);
    QCOMPARE(about.windowTitle(), u"About Quillmark"_s);
    QCOMPARE(about.size(), QSize(368, 208));
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));

    QStringList texts;
    for (const QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    for (const QString &line :
         {u"Quillmark"_s, u"Version: 1.0 -  6/1/99"_s, u"Vestrine (R) Character Creator"_s})
        QVERIFY2(texts.contains(line), qPrintable(line));

    auto *ok = about.findChild<QAbstractButton *>(u"BitBtn1"_s);
    QVERIFY(ok);
    QCOMPARE(ok->text(), u"Ok"_s);
    QCOMPARE(ok->size(), QSize(249, 25));
    QVERIFY(!ok->icon().isNull());
    for (const QWidget *child : about.findChildren<QWidget *>())
        if (child != ok)
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);

    QCOMPARE(about.frameGeometry().center(),
             QGuiApplication::primaryScreen()->availableGeometry().center());
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(QApplication::focusWidget(), ok);
    // Showing it keeps it there, up to the platform's frame, rather than over its owner.
    const QPoint offCentre = about.frameGeometry().center() -
                             QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 8);
}

void FrameTest::aboutOkClosesTheBox()
{
    TAboutForm about;
    QTimer::singleShot(0, &about,
                       [&about] { about.findChild<QAbstractButton *>(u"BitBtn1"_s)->click(); });
    QTimer::singleShot(5000, &about, &QDialog::reject); // a box that Ok did not close
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
}

void FrameTest::aboutOpenedTwiceGivesTwoModalBoxes()
{
    TMainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *button = form.control<QAbstractButton>(u"CorpUpSpeedButton"_s);
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    ModalWatcher watcher;
    QList<QPointer<QWidget>> boxes;
    for (int round = 0; round < 2; ++round) {
        watcher.onDialog([&](QWidget *modal) {
            boxes.append(modal);
            QVERIFY(qobject_cast<TAboutForm *>(modal));
            QCOMPARE(modal->windowTitle(), u"About Quillmark"_s);
            QCOMPARE(modal->parentWidget(), &form);
            // While the box is open, a click on the main window goes nowhere.
            clickThroughWindow(&form, button);
            QCOMPARE(clicks.count(), 0);
            modal->findChild<QAbstractButton *>(u"BitBtn1"_s)->click();
        });
        form.control<QAction>(u"About1"_s)->trigger();
        QCOMPARE(boxes.size(), round + 1);
        QVERIFY2(boxes.last().isNull(), "the About box outlived its showing");
    }
    QVERIFY(!watcher.unexpected());

    // The same click reaches the window once no box is open (it then asks for a type first).
    clickThroughWindow(&form, button);
    QCOMPARE(clicks.count(), 1);
}

void FrameTest::helpTopicsShowsTheContentsAndReusesItsWindow()
{
    TMainForm form;
    form.show();
    QAction *helpTopics = form.control<QAction>(u"HelpTopics1"_s);
    helpTopics->trigger();
    const auto windows = form.findChildren<HelpWindow *>();
    QCOMPARE(windows.size(), 1);
    HelpWindow *help = windows.first();
    QVERIFY(help->isVisible());
    QVERIFY(help->isWindow());
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QVERIFY(help->browser()->toPlainText().contains(u"Quillmark Help"_s));
    QVERIFY(help->browser()->toPlainText().contains(u"Building a character"_s));

    help->browser()->setSource(QUrl(u"files.html"_s));
    help->close();
    helpTopics->trigger();
    QCOMPARE(form.findChildren<HelpWindow *>(), QList<HelpWindow *>{help});
    QVERIFY(help->isVisible());
    QVERIFY2(help->browser()->toPlainText().contains(u"Contents"_s),
             "a second Help Topics shows the contents page again");
    QVERIFY(
        !help->browser()->toPlainText().contains(u"remembers the file the character was opened"_s));
}

void FrameTest::helpWindowGoesBackAndForward()
{
    HelpWindow help(nullptr);
    help.showTopic(helpContentsTopic);
    const auto action = [&help](const char *name) {
        return help.findChild<QAction *>(QLatin1StringView(name));
    };
    const auto showing = [&help](const QString &text) {
        return help.browser()->toPlainText().contains(text);
    };
    QVERIFY(!action("HelpBack")->isEnabled());
    help.browser()->setSource(QUrl(u"files.html"_s));
    QVERIFY(showing(u"remembers the file the character was opened"_s));
    QVERIFY(action("HelpBack")->isEnabled());
    action("HelpBack")->trigger();
    QVERIFY(showing(u"Good to know"_s));
    QVERIFY(action("HelpForward")->isEnabled());
    action("HelpForward")->trigger();
    QVERIFY(showing(u"remembers the file the character was opened"_s));
    help.browser()->setSource(QUrl(u"printing.html"_s));
    action("HelpContents")->trigger();
    QVERIFY(showing(u"Good to know"_s));
}

void FrameTest::helpLinksReachExistingPages_data()
{
    QTest::addColumn<QString>("page");
    const QStringList pages = QDir(u":/help"_s).entryList({u"*.html"_s});
    QVERIFY(pages.contains(u"index.html"_s));
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << page;
}

void FrameTest::helpLinksReachExistingPages()
{
    QFETCH(QString, page);
    const QString html = QString::fromUtf8(fileContents(u":/help/"_s + page));
    QVERIFY(!html.isEmpty());
    static const QRegularExpression link(u"href=\"([^\"]+)\""_s);
    for (const QRegularExpressionMatch &match : link.globalMatch(html)) {
        const QString target = match.captured(1);
        QVERIFY2(QFile::exists(u":/help/"_s + target), qPrintable(target));
    }
}

void FrameTest::helpWithoutItsPageSaysSo()
{
    setApplicationHelpFile(u"Quillgen.hlp"_s);
    HelpWindow help(nullptr);
    help.showTopic(4242);
    setApplicationHelpFile({});
    QVERIFY(help.isVisible());
    const QString text = help.browser()->toPlainText();
    QVERIFY2(text.contains(u"could not be found"_s), qPrintable(text));
    QVERIFY2(text.contains(u"Quillgen.hlp, topic 4242"_s), qPrintable(text));
}

void FrameTest::titleRule_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("folder dropped") << u"/usr/bin/quillmark"_s << u"quillmark"_s;
    QTest::newRow("upper case lowered after the first") << u"QUILLGEN.EXE"_s << u"Quillgen"_s;
    QTest::newRow("cut at the first dot") << u"a.b.c"_s << u"a"_s;
    QTest::newRow("dotted folder") << u"/opt/v1.2/Quill.Mark.bin"_s << u"Quill"_s;
}

void FrameTest::titleRule()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(applicationTitleFor(path), title);
}

void FrameTest::plainAndQuestionBoxesCarryTheTitleAndNoIcon()
{
    QWidget owner;
    QuillPrompter prompter(&owner);
    ModalWatcher watcher;
    watcher.answer(QMessageBox::Ok);
    watcher.answer(QMessageBox::Yes);
    prompter.inform(u"Plain"_s);
    QVERIFY(prompter.confirm(u"Question?"_s));
    QCOMPARE(watcher.seen().size(), 2);
    for (const ModalWatcher::Box &box : watcher.seen()) {
        QCOMPARE(box.title, applicationTitle());
        QCOMPARE(box.icon, QMessageBox::NoIcon);
    }
    QCOMPARE(watcher.seen()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(watcher.seen()[1].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(watcher.seen()[1].defaultButton, QMessageBox::Yes);
    QVERIFY(!watcher.unexpected());
}

void FrameTest::errorBoxAddsAFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << u"abc"_s << u"abc."_s;
    QTest::newRow("I/O text") << u"File not found"_s << u"File not found."_s;
    QTest::newRow("digit") << u"I/O error 32"_s << u"I/O error 32."_s;
    QTest::newRow("quotation mark") << u"Not a number: 'x'"_s << u"Not a number: 'x'"_s;
    QTest::newRow("double quote") << u"Missing \"qmsheet.rav\""_s << u"Missing \"qmsheet.rav\""_s;
    QTest::newRow("full stop") << u"Done."_s << u"Done."_s;
    QTest::newRow("exclamation sorts before the stop") << u"Oops!"_s << u"Oops!"_s;
}

void FrameTest::errorBoxAddsAFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QWidget owner;
    QuillPrompter prompter(&owner);
    ModalWatcher watcher;
    prompter.showError(message);
    QCOMPARE(watcher.seen().size(), 1);
    const ModalWatcher::Box box = watcher.seen().first();
    QCOMPARE(box.text, shown);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.title, applicationTitle());
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void FrameTest::exitEndsTheRunWithoutTheClosePath()
{
    TMainForm form;
    CloseCounter counter;
    form.installEventFilter(&counter);
    form.show(); // the first showing writes the settings file when there is none
    const QByteArray settingsAtStart = fileContents(u"quillmark.ini"_s);
    QVERIFY(!settingsAtStart.isEmpty());
    form.control<QCheckBox>(u"SongsCheckBox"_s)->setChecked(false);

    QTimer::singleShot(0, &form, [&form] { form.control<QAction>(u"Exit1"_s)->trigger(); });
    QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(1); }); // Exit did nothing
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(counter.closes, 0);
    QVERIFY(form.isVisible());
    QCOMPARE(fileContents(u"quillmark.ini"_s), settingsAtStart);
}

void FrameTest::closingTakesTheClosePath()
{
    TMainForm form;
    CloseCounter counter;
    form.installEventFilter(&counter);
    form.show();
    form.control<QCheckBox>(u"SongsCheckBox"_s)->setChecked(false);
    QVERIFY(form.close());
    QCOMPARE(counter.closes, 1);
    QVERIFY(fileContents(u"quillmark.ini"_s).contains("Songs=0"));
}

void FrameTest::closingEndsTheRunWhileHelpIsOpen()
{
    TMainForm form;
    form.show();
    form.control<QAction>(u"HelpTopics1"_s)->trigger();
    QTimer::singleShot(0, &form, &QWidget::close);
    // Ends a run that the help window would otherwise keep going, so the test cannot hang.
    QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
