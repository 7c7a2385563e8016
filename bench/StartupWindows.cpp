#include "StartupWindows.h"

#include "sheet/SheetValues.h"
#include "shell/widgets/TRadioGroup.h"
#include "shell/widgets/TUpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStringListModel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QFont namedFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QIcon svgImage(const QString &name)
{
    QIcon icon(u":/images/%1.svg"_s.arg(name));
    icon.addFile(u":/images/%1-disabled.svg"_s.arg(name), QSize(16, 16), QIcon::Disabled);
    return icon;
}

QLabel *label(QWidget *parent, const QString &text, QRect at, const QFont *font = nullptr)
{
    auto *item = new QLabel(text, parent);
    item->setGeometry(at);
    if (font)
        item->setFont(*font);
    return item;
}

QLineEdit *edit(QWidget *parent, const QString &text, QRect at, const QFont *font = nullptr)
{
    auto *item = new QLineEdit(text, parent);
    item->setGeometry(at);
    if (font)
        item->setFont(*font);
    return item;
}

// Each image is read once and its icon shared by every button that shows it.
struct Images
{
    QIcon up = svgImage(u"arrow-up"_s);
    QIcon down = svgImage(u"arrow-down"_s);
    QIcon right = svgImage(u"arrow-right"_s);
};

QToolButton *arrow(QWidget *parent, const QIcon &image, QRect at, const QString &caption = {})
{
    auto *button = new QToolButton(parent);
    button->setIcon(image);
    button->setGeometry(at);
    if (!caption.isEmpty()) {
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setLayoutDirection(Qt::RightToLeft);
    }
    return button;
}

QPushButton *captionButton(QWidget *parent, const QString &caption, const QIcon &image, QRect at)
{
    auto *button = new QPushButton(image, caption, parent);
    button->setLayoutDirection(Qt::RightToLeft);
    button->setGeometry(at);
    return button;
}

QListView *listBox(QWidget *parent, QRect at)
{
    auto *list = new QListView(parent);
    list->setModel(new QStringListModel(list));
    list->setGeometry(at);
    return list;
}

QComboBox *comboBox(QWidget *parent, const QStringList &entries, const QString &text, QRect at)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
    combo->setGeometry(at);
    return combo;
}

QFrame *frame(QWidget *parent, QFrame::Shape shape, QRect at)
{
    auto *item = new QFrame(parent);
    item->setFrameStyle(shape | QFrame::Sunken);
    item->setGeometry(at);
    return item;
}

const QStringList Types = SheetNames::characterTypeNames();
const QStringList Realms = {u"Corporeal"_s, u"Ethereal"_s, u"Celestial"_s};

void buildUpperArea(QWidget *area, const Images &images)
{
    const QFont serif = namedFont(u"Times New Roman"_s, 15, true);
    const QFont force = namedFont(u"Times New Roman"_s, 24, true);
    const QFont large = namedFont(u"MS Sans Serif"_s, 24, true);
    const int columns[] = {3, 188, 380};
    label(area, u"Character Name:"_s, {3, 2, 180, 17}, &serif);
    edit(area, u"Enter Character Name"_s, {3, 20, 180, 21});
    label(area, u"Choir/Band:"_s, {188, 2, 185, 17}, &serif);
    comboBox(area, SheetNames::choirBandEntries(), u"Select Choir or Band"_s, {188, 20, 185, 21});
    label(area, u"Superior:"_s, {380, 2, 185, 17}, &serif);
    comboBox(area, SheetNames::superiorEntries(), u"Select Superior"_s, {380, 20, 185, 21});
    (new TRadioGroup(u" Character Type "_s, Types, Types, 2, area))->setGeometry(3, 42, 180, 91);
    for (int x : {columns[1], columns[2]}) {
        edit(area, u"Enter Extra Attunment"_s, {x, 44, 134, 21});
        arrow(area, images.down, {x + 136, 43, 48, 22}, u"Add"_s);
        label(area, u"Extra Attunments:"_s, {x, 66, 185, 15});
        listBox(area, {x, 81, 185, 52});
    }
    frame(area, QFrame::HLine, {3, 135, 563, 3});
    const QStringList characteristics = {u"Strength:"_s,  u"Agility:"_s, u"Intelligence:"_s,
                                         u"Precision:"_s, u"Will:"_s,    u"Perception:"_s};
    const QStringList points = {u"Character Points:"_s, u"MindHits:"_s, u"SoulHits:"_s};
    const int labelX[] = {8, 192, 352};
    const int boxX[] = {129, 291, 453};
    for (int i = 0; i < 3; ++i) {
        label(area, Realms.at(i) + u":"_s, {labelX[i], 142, 110, 38}, &force);
        edit(area, u"0"_s, {boxX[i], 142, 29, 38}, &large)->setReadOnly(true);
        for (int y : {142, 183})
            arrow(area, images.up, {boxX[i] + 30, y, 25, 20});
        for (int y : {162, 203})
            arrow(area, images.down, {boxX[i] + 30, y, 25, 20});
        for (int line = 0; line < 2; ++line) {
            label(area, characteristics.at(2 * i + line), {labelX[i], 183 + 20 * line, 110, 21},
                  &serif);
            edit(area, u"0"_s, {boxX[i], 183 + 20 * line, 29, 21})->setReadOnly(true);
        }
        label(area, points.at(i), {labelX[i], 232, 110, 21}, &serif);
        edit(area, u"0"_s, {boxX[i], 232, 29, 21})->setReadOnly(true);
    }
    label(area, u"="_s, {510, 142, 18, 38}, &large);
    edit(area, u"0"_s, {528, 142, 37, 38}, &large)->setReadOnly(true);
    frame(area, QFrame::HLine, {3, 225, 563, 3});
}

// One resource page: caption and entry, an optional type group, up to two number lines, the Add
// button and the list.
void buildResourcePage(QWidget *page, const QString &caption, bool typeGroup, int numbers,
                       const QIcon &add)
{
    auto *bevel = new QFrame(page);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto *fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(bevel);
    label(bevel, caption + u":"_s, {2, 6, 55, 21});
    edit(bevel, u"Enter a "_s + caption, {58, 6, 173, 21});
    if (typeGroup)
        (new TRadioGroup(caption + u" Type"_s, Realms, Realms, 1, bevel))
            ->setGeometry(45, 28, 91, 78);
    for (int i = 0; i < numbers; ++i) {
        label(bevel, u"Level:"_s, {137, 31 + 26 * i, 44, 21});
        QLineEdit *box = edit(bevel, {}, {183, 31 + 26 * i, 31, 21});
        (new TUpDown(1, 6, 1, box, bevel))->setGeometry(214, 31 + 26 * i, 15, 21);
    }
    captionButton(bevel, u"Add"_s, add, {153, 84, 75, 25});
    listBox(bevel, {234, 6, 315, 104});
}

void buildResourcePages(QTabWidget *pages, bool onlyFirst, const QIcon &add)
{
    struct Kind
    {
        QString tab;
        bool typeGroup;
        int numbers;
    };
    const Kind kinds[] = {{u"Songs"_s, true, 1},     {u"Skills"_s, false, 1},
                          {u"Vessels"_s, false, 2},  {u"Roles"_s, false, 2},
                          {u"Servants"_s, false, 2}, {u"Artifacts"_s, true, 2},
                          {u"Discord"_s, true, 1},   {u"Distinctions"_s, false, 0}};
    for (const Kind &kind : kinds) {
        auto *page = new QWidget;
        if (!onlyFirst || pages->count() == 0)
            buildResourcePage(page, kind.tab, kind.typeGroup, kind.numbers, add);
        pages->addTab(page, kind.tab);
    }
}

void buildConfigPage(QWidget *page)
{
    QFrame *bevel = frame(page, QFrame::Box, {0, 0, 569, 406});
    const QStringList resources = {u"Songs"_s,     u"Skills"_s,   u"Vessels"_s, u"Roles"_s,
                                   u"Artifacts"_s, u"Servants"_s, u"Discord"_s, u"Distinctions"_s};
    int x = 6;
    for (const QStringList &captions : {Types, resources}) {
        auto *group = new QGroupBox(u"Available Types"_s, bevel);
        group->setGeometry(x, 6, 140, 187);
        for (int i = 0; i < captions.size(); ++i) {
            auto *box = new QCheckBox(captions.at(i), group);
            box->setGeometry(10, 20 + 21 * i, 124, 17);
            box->setChecked(true);
        }
        x += 150;
    }
    const QIcon apply = svgImage(u"paper-pen"_s);
    for (int y : {195, 255}) {
        auto *group = new QGroupBox(u"Bonus"_s, bevel);
        group->setGeometry(6, y, 140, 56);
        QLineEdit *box = edit(group, u"0"_s, {10, 22, 22, 21});
        (new TUpDown(-10, 10, 0, box, group))->setGeometry(32, 22, 15, 21);
        captionButton(group, u"Apply"_s, apply, {56, 20, 75, 25});
    }
}

void buildMenus(QMenuBar *bar)
{
    bar->setNativeMenuBar(false);
    QMenu *file = bar->addMenu(u"&File"_s);
    for (const QString &item : {u"&New"_s, u"&Open"_s, u"&Save"_s, u"&Print"_s})
        file->addAction(item);
    file->addSeparator();
    file->addAction(u"E&xit"_s);
    QMenu *help = bar->addMenu(u"&Help"_s);
    help->addAction(u"Help &Topics"_s);
    help->addSeparator();
    help->addAction(u"&About"_s);
}

} // namespace

QMainWindow *buildStartupWindow(StartupWindowKind kind)
{
    const bool lean = kind == StartupWindowKind::Lean;
    auto *window = new QMainWindow;
    window->setFont(QFont(u"MS Sans Serif"_s, 8));
    window->setWindowIcon(QIcon(u":/images/quillmark-icon.svg"_s));
    buildMenus(window->menuBar());

    auto *panel = frame(nullptr, QFrame::Panel, {});
    window->setCentralWidget(panel);
    auto *pages = new QTabWidget(panel);
    pages->setGeometry(1, 1, 577, 434);
    const Images images;
    auto *sheet = new QWidget;
    buildUpperArea(frame(sheet, QFrame::Box, {0, 0, 569, 257}), images);
    auto *lower = frame(sheet, QFrame::Panel, {0, 257, 569, 149});
    auto *resources = new QTabWidget(lower);
    resources->setGeometry(2, 2, 565, 145);
    buildResourcePages(resources, lean, images.right);
    pages->addTab(sheet, u"Character Generation"_s);
    auto *config = new QWidget;
    if (!lean)
        buildConfigPage(config);
    pages->addTab(config, u"Configuration"_s);

    window->statusBar()->setFixedHeight(19);
    window->menuBar()->setFixedHeight(window->menuBar()->sizeHint().height());
    window->setFixedSize(579, window->menuBar()->height() + 455);
    return window;
}
