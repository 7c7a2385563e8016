// The sixteen check boxes of the Configuration page and the configuration value they stand for:
// the one place that maps the one to the other.
#include "shell/cMain.h"

#include "common/Prompter.h"
#include "resources/ResourceKinds.h"
#include "sheet/SheetValues.h"

#include <QCheckBox>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QString typeBox(std::size_t type)
{
    return SheetNames::characterTypeNames().at(int(type)) + u"CheckBox"_s;
}

QString resourceBox(std::size_t index)
{
    return SheetNames::tabName(SheetNames::checkBoxOrder().at(int(index))) + u"CheckBox"_s;
}

} // namespace

Configuration TMainForm::configuration() const
{
    Configuration shown;
    for (std::size_t i = 0; i < shown.types.size(); ++i)
        shown.types[i] = control<QCheckBox>(typeBox(i))->isChecked();
    for (std::size_t i = 0; i < shown.resources.size(); ++i)
        shown.resources[i] = control<QCheckBox>(resourceBox(i))->isChecked();
    return shown;
}

// A changed state raises the box's toggled signal, which runs its click handler at once.
void TMainForm::showConfiguration(const Configuration &configuration)
{
    for (std::size_t i = 0; i < configuration.types.size(); ++i)
        control<QCheckBox>(typeBox(i))->setChecked(configuration.types[i]);
    for (std::size_t i = 0; i < configuration.resources.size(); ++i)
        control<QCheckBox>(resourceBox(i))->setChecked(configuration.resources[i]);
}

void TMainForm::loadSettings()
{
    SettingsFile::Loaded loaded = m_settings.load();
    if (loaded.configuration)
        showConfiguration(*loaded.configuration);
    // Said from the event loop, once the window is on screen, so the box shows over it.
    if (!loaded.message.isEmpty())
        QTimer::singleShot(0, this, [this, text = loaded.message] { prompter().inform(text); });
}

void TMainForm::storeSettings()
{
    m_settings.store(configuration());
}
