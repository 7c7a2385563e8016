#include "shell/builders/ControlKit.h"

#include "shell/widgets/Artwork.h"
#include "shell/widgets/DeferredIcon.h"

#include "shell/widgets/TUpDown.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <limits>

using namespace Qt::StringLiterals;

namespace ControlKit {

namespace {

const QString SansFamily = u"MS Sans Serif"_s;
const QString SerifFamily = u"Times New Roman"_s;

// The first of the families that is installed, looked up once: a font that names an installed
// family is found at once, while each missing family it names costs the font database a search
// for a substitute every time a font is resolved. Where none is installed the whole list is
// given, to let the font database do its best.
QStringList installedFamily(const QStringList &preferred)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : preferred) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return {family};
    }
    return preferred;
}

// Where the named face is missing, prefer faces of about its width over the system's default
// sans face, which is much wider and would clip the texts of the fixed-size controls.
QFont withFallbacks(QFont font)
{
    if (font.family() == SansFamily) {
        static const QStringList sans = installedFamily(
            {SansFamily, u"Microsoft Sans Serif"_s, u"Arial"_s, u"Liberation Sans"_s});
        font.setFamilies(sans);
    } else if (font.family() == SerifFamily) {
        static const QStringList serif = installedFamily({SerifFamily, u"Liberation Serif"_s});
        font.setFamilies(serif);
    }
    return font;
}

const QSize ImageSize(16, 16);

} // namespace

QFont windowFont()
{
    return withFallbacks(QFont(SansFamily, 8));
}

QFont boldFont(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return withFallbacks(font);
}

QFont serifLabelFont()
{
    return boldFont(SerifFamily, 15);
}

QFont forceLabelFont()
{
    return boldFont(SerifFamily, 24);
}

QFont valueBoxFont()
{
    return boldFont(SansFamily, 24);
}

void addPng(QIcon &icon, const QString &baseName, QIcon::Mode mode)
{
    icon.addPixmap(QPixmap::fromImage(Artwork::readPng(u":/images/%1.png"_s.arg(baseName))), mode);
    if (qApp->devicePixelRatio() > 1.0)
        icon.addPixmap(QPixmap::fromImage(Artwork::readPng(u":/images/%1@2x.png"_s.arg(baseName))),
                       mode);
}

QIcon buttonImage(const QString &baseName)
{
    // Two dozen buttons share four images, so each is read once and its icon shared, which
    // also lets the buttons share its drawn forms. An image is read when it is first drawn.
    static QHash<QString, QIcon> images;
    if (const auto found = images.constFind(baseName); found != images.cend())
        return *found;
    const QIcon icon = DeferredIcon::make(
        [baseName] {
            QIcon read;
            addPng(read, baseName, QIcon::Normal);
            addPng(read, baseName + u"-disabled"_s, QIcon::Disabled);
            return read;
        },
        !QFile::exists(u":/images/%1.png"_s.arg(baseName)));
    images.insert(baseName, icon);
    return icon;
}

void setTabStop(QWidget *control, bool tabStop)
{
    control->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void setSpokenName(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->view()->setAccessibleName(name);
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
    }
}

QString nameAfterLabel(QLabel *label, QWidget *control)
{
    QString name = label->text().trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    label->setBuddy(control);
    setSpokenName(control, name);
    return name;
}

QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &geometry,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

void unlimitLength(QLineEdit *edit)
{
    // The default of 32767 characters would silently cut a longer value that a file holds.
    edit->setMaxLength(std::numeric_limits<int>::max());
}

QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &text,
                    const QRect &geometry)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    unlimitLength(edit);
    edit->setGeometry(geometry);
    setTabStop(edit, false);
    return edit;
}

QLineEdit *makeValueBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    QLineEdit *box = makeEdit(parent, name, u"0"_s, geometry);
    box->setReadOnly(true);
    return box;
}

TUpDown *makeUpDown(QWidget *parent, const QString &name, int minimum, int maximum, int position,
                    QLineEdit *buddy, const QRect &geometry)
{
    auto *upDown = new TUpDown(minimum, maximum, position, buddy, parent);
    upDown->setObjectName(name);
    upDown->setGeometry(geometry);
    return upDown;
}

QListView *makeListBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *list = new QListView(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabStop(list, false);
    return list;
}

QToolButton *makeArrowButton(QWidget *parent, const QString &name, const QString &image,
                             const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setIcon(buttonImage(image));
    button->setIconSize(ImageSize);
    setTabStop(button, false);
    return button;
}

QAbstractButton *makeCaptionButton(QWidget *parent, const QString &name, const QString &caption,
                                   const QString &image, const QRect &geometry)
{
    auto *button = new QPushButton(buttonImage(image), caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setIconSize(ImageSize);
    // Mirrored, the button shows its image right of the caption.
    button->setLayoutDirection(Qt::RightToLeft);
    button->setAutoDefault(false);
    setTabStop(button, false);
    return button;
}

QToolButton *makeCaptionSpeedButton(QWidget *parent, const QString &name, const QString &caption,
                                    const QString &image, const QRect &geometry)
{
    QToolButton *button = makeArrowButton(parent, name, image, geometry);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setLayoutDirection(Qt::RightToLeft);
    return button;
}

QFrame *makeBevel(QWidget *parent, const QRect &geometry)
{
    auto *bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(geometry);
    return bevel;
}

QFrame *makeRule(QWidget *parent, const QRect &geometry)
{
    auto *rule = new QFrame(parent);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(geometry);
    return rule;
}

} // namespace ControlKit
