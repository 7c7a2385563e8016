#include "shell/SheetBinding.h"

#include "common/CharacterFileCheck.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "shell/ShownList.h"
#include "shell/builders/ResourceWidgets.h"
#include "shell/cMain.h"
#include "shell/widgets/TRadioGroup.h"
#include "shell/widgets/TUpDown.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A value longer than a character file may hold would be saved into a file that Open refuses.
void limitLength(QLineEdit *edit)
{
    edit->setMaxLength(int(CharacterFileCheck::maxValueLength));
}

void bindLineEdit(QLineEdit *edit, CharacterSheet &sheet, SheetValue value)
{
    limitLength(edit);
    edit->setText(SheetNames::shown(value, sheet.text(value)));
    QObject::connect(edit, &QLineEdit::textChanged, &sheet, [&sheet, value](const QString &text) {
        sheet.setText(value, SheetNames::stored(value, text));
    });
    QObject::connect(&sheet, &CharacterSheet::textChanged, edit,
                     [edit, value](SheetValue changed, const QString &text) {
                         const QString shown = SheetNames::shown(value, text);
                         if (changed == value && edit->text() != shown) {
                             edit->setText(shown);
                             // A long value shows its beginning, as a name is read.
                             edit->setCursorPosition(0);
                         }
                     });
}

void bindComboBox(QComboBox *combo, CharacterSheet &sheet, SheetValue value)
{
    limitLength(combo->lineEdit());
    combo->setEditText(SheetNames::shown(value, sheet.text(value)));
    QObject::connect(combo, &QComboBox::editTextChanged, &sheet,
                     [&sheet, value](const QString &text) {
                         sheet.setText(value, SheetNames::stored(value, text));
                     });
    QObject::connect(&sheet, &CharacterSheet::textChanged, combo,
                     [combo, value](SheetValue changed, const QString &text) {
                         const QString shown = SheetNames::shown(value, text);
                         if (changed == value && combo->currentText() != shown) {
                             combo->setEditText(shown);
                             combo->lineEdit()->setCursorPosition(0);
                         }
                     });
    QObject::connect(combo, &QComboBox::textActivated, combo,
                     [combo] { combo->lineEdit()->setCursorPosition(0); });
}

QColor colourOf(TotalColour colour)
{
    switch (colour) {
    case TotalColour::Green:
        return QColor(0, 128, 0);
    case TotalColour::Red:
        return QColor(255, 0, 0);
    case TotalColour::Menu:
        break;
    }
    return QApplication::palette("QMenu").color(QPalette::Window);
}

// The relative luminance of a colour, as contrast ratios are worked out for readable text.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Black or white, whichever stands out more against the background: on the green and the red
// of the total both reach a contrast of at least 4.5 : 1.
QColor readableOn(const QColor &background)
{
    const double l = luminance(background);
    const double withBlack = (l + 0.05) / 0.05;
    const double withWhite = 1.05 / (l + 0.05);
    return withBlack >= withWhite ? QColor(Qt::black) : QColor(Qt::white);
}

void bindTotalColour(QLineEdit *total, CharacterSheet &sheet)
{
    const auto paint = [total](TotalColour colour) {
        QPalette palette = total->palette();
        const QColor base = colourOf(colour);
        palette.setColor(QPalette::Base, base);
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Text, readableOn(base));
        total->setPalette(palette);
    };
    paint(sheet.totalColour());
    QObject::connect(&sheet, &CharacterSheet::totalColourChanged, total, paint);
}

void bindCelestialControls(TMainForm *form, CharacterSheet &sheet)
{
    const QStringList names = {u"CelestialForcesUpSpeedButton"_s,
                               u"CelestialForcesDownSpeedButton"_s, u"CelestialEdit"_s,
                               u"CelestialUpSpeedButton"_s, u"CelestialDownSpeedButton"_s};
    QObject::connect(&sheet, &CharacterSheet::celestialEnabledChanged, form,
                     [form, names](bool enabled) {
                         for (const QString &name : names)
                             form->control<QWidget>(name)->setEnabled(enabled);
                     });
}

// The Body Hits box is read-only: only the model writes it.
void bindBodyHits(QLineEdit *box, CharacterSheet &sheet)
{
    box->setText(sheet.bodyHits());
    QObject::connect(&sheet, &CharacterSheet::bodyHitsChanged, box, &QLineEdit::setText);
}

// The amount box takes typing and its arrows; a number the model writes goes through the arrows'
// position, so the arrows step on from there.
void bindForcesBonus(QLineEdit *edit, TUpDown *upDown, CharacterSheet &sheet)
{
    sheet.setForcesBonus(edit->text());
    QObject::connect(edit, &QLineEdit::textChanged, &sheet, &CharacterSheet::setForcesBonus);
    QObject::connect(&sheet, &CharacterSheet::forcesBonusChanged, upDown,
                     [edit, upDown](const QString &amount) {
                         if (edit->text() == amount)
                             return;
                         if (const auto number = IntText::parse(amount))
                             upDown->setPosition(*number);
                         else
                             edit->setText(amount);
                     });
}

} // namespace

void bindSheet(TMainForm *form, CharacterSheet &sheet, const ResourceWidgets &resources)
{
    for (SheetValue value : SheetNames::allValues()) {
        const QString name = SheetNames::controlName(value);
        if (value == SheetValue::ChoirBand || value == SheetValue::Superior)
            bindComboBox(form->control<QComboBox>(name), sheet, value);
        else
            bindLineEdit(form->control<QLineEdit>(name), sheet, value);
    }
    for (SheetList list : SheetNames::allLists()) {
        QListView *view = resources[list].list;
        view->setModel(new ShownList(list, sheet.list(list), view));
        // Every item is one line in one font, so the first item's size stands for all: a list
        // of 100,000 opened items then shows without measuring each one.
        view->setUniformItemSizes(true);
    }

    auto *types = form->control<TRadioGroup>(u"CharTypeGroup"_s);
    types->showItemIndex(sheet.typeIndex());
    QObject::connect(&sheet, &CharacterSheet::typeIndexChanged, types,
                     [types](int index) { types->showItemIndex(index); });

    bindTotalColour(form->control<QLineEdit>(u"TotalForcesEdit"_s), sheet);
    bindCelestialControls(form, sheet);
    bindBodyHits(resources[SheetList::Vessels].shownValue, sheet);
    bindForcesBonus(form->control<QLineEdit>(u"ForcesBonusEdit"_s),
                    form->control<TUpDown>(u"ForcesBonusUpDown"_s), sheet);
}
