#include "shell/cAbout.h"

#include "shell/builders/ControlKit.h"
#include "shell/widgets/ProgramPicture.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize aboutSize{368, 208};
constexpr int bevelWidth = 309;

QFont timesFont(int pixelSize, bool italic)
{
    QFont font(u"Times New Roman"_s);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

// One line (or wrapped block) of text, centred across the bevel.
QLabel *centredText(QWidget *bevel, const QString &text, int top, int height)
{
    auto *label = new QLabel(text, bevel);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(8, top, bevelWidth - 16, height);
    return label;
}

// A bold star placed beside a text that is centred across the bevel: at its right end, or
// above and before its start.
void addStar(QWidget *bevel, const QLabel *beside, bool atEnd)
{
    auto *star = new QLabel(u"*"_s, bevel);
    star->setFont(timesFont(19, false));
    star->adjustSize();
    const int textWidth = QFontMetrics(beside->font()).horizontalAdvance(beside->text());
    const int centre = beside->geometry().center().x();
    if (atEnd)
        star->move(centre + textWidth / 2 + 1, beside->y() + 2);
    else
        star->move(centre - textWidth / 2 - star->width(), beside->y() - 8);
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(u"AboutForm"_s);
    setWindowTitle(tr("About Quillmark"));
    setFixedSize(aboutSize);
    QFont font(u"MS Sans Serif"_s);
    font.setPointSize(8);
    setFont(font);

    auto *bevel = new QFrame(this);
    bevel->setObjectName(u"Bevel1"_s);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(0, 0, bevelWidth, aboutSize.height());
    auto *picture = new ProgramPicture(this);
    picture->setObjectName(u"Image1"_s);
    picture->setGeometry(bevelWidth, 0, aboutSize.width() - bevelWidth, aboutSize.height());
    buildTexts(bevel);
    buildOkButton(bevel);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), aboutSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TAboutForm::buildTexts(QWidget *bevel)
{
    QLabel *title = centredText(bevel, tr("Quillmark"), 2, 44);
    title->setFont(timesFont(37, true));
    addStar(bevel, title, true);
    centredText(bevel, tr("Version: 1.0 -  6/1/99"), 46, 16);
    centredText(bevel,
                tr("Builds player characters for the Vestrine role-playing game: pick a type, "
                   "share out Forces, and spend Character Points on Songs, Skills, Vessels and "
                   "more."),
                64, 44);
    centredText(bevel,
                tr("Characters are saved as plain text files and printed from a sheet layout "
                   "of your choosing."),
                110, 30);
    QLabel *subtitle = centredText(bevel, tr("Vestrine (R) Character Creator"), 150, 24);
    subtitle->setFont(timesFont(19, true));
    addStar(bevel, subtitle, false);
}

void TAboutForm::buildOkButton(QWidget *bevel)
{
    auto *ok = new QPushButton(tr("Ok"), bevel);
    ok->setObjectName(u"BitBtn1"_s);
    QIcon check;
    ControlKit::addPng(check, u"check"_s);
    ok->setIcon(check);
    // Right to left puts the glyph after the caption.
    ok->setLayoutDirection(Qt::RightToLeft);
    ok->setGeometry((bevelWidth - 249) / 2, 177, 249, 25);
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &TAboutForm::BitBtn1Click);
}

void TAboutForm::BitBtn1Click()
{
    accept();
}
