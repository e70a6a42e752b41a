#include "settings/SettingsMapping.h"
#include "settings/SettingsStore.h"
#include "ui/OptionButton.h"
#include "ui/Shutdown.h"
#include "ui/TimeField.h"
#include "ui/UpDown.h"

#include <algorithm>

namespace {

template <std::size_t N> int selectedIndex(const std::array<OptionButton *, N> &options)
{
    const auto it = std::find_if(options.begin(), options.end(),
                                 [](const OptionButton *option) { return option->Value(); });
    return it == options.end() ? -1 : static_cast<int>(it - options.begin());
}

QString storedText(SettingsStore &store, const QString &key, int defaultValue)
{
    return store.get(SettingsKeys::application(), SettingsKeys::section(), key,
                     SettingsDefaults::text(defaultValue));
}

} // namespace

void Shutdown::mnuSave_Click()
{
    SavedChoices choices{selectedIndex(Option1), Check1->Value(), selectedIndex(Option2), {}, {}};
    for (int i = 0; i < 3; ++i) {
        choices.countDown[i] = Text1[i]->text();
        choices.time[i] = Text2[i]->text();
    }
    for (const auto &[key, text] : settingsToSave(choices))
        m_services.settings->save(SettingsKeys::application(), SettingsKeys::section(), key, text);
    setSettingsChanged(false);
}

// Every assignment raises the control's own handler, as the user's change would; the mode
// is in force before the fields are filled. Each field key is read twice: for the field's
// text as stored, then for its spinner's value.
void Shutdown::mnuLoad_Click()
{
    SettingsStore &store = *m_services.settings;
    Option1[loadedAction(storedText(store, SettingsKeys::action(), SettingsDefaults::Action))]
        ->setValue(true);
    Check1->setValue(
        loadedForce(storedText(store, SettingsKeys::force(), SettingsDefaults::Force)));
    Option2[loadedTimeSetting(
                storedText(store, SettingsKeys::timeSetting(), SettingsDefaults::TimeSetting))]
        ->setValue(true);
    for (int i = 0; i < 3; ++i) {
        const QString countDown = SettingsKeys::countDown(i), time = SettingsKeys::time(i);
        Text1[i]->setText(storedText(store, countDown, SettingsDefaults::Field));
        UpDown1[i]->setValue(
            loadedSpinnerValue(storedText(store, countDown, 0), UpDown1[i]->maximum()));
        Text2[i]->setText(storedText(store, time, SettingsDefaults::Field));
        UpDown2[i]->setValue(loadedSpinnerValue(storedText(store, time, 0), UpDown2[i]->maximum()));
    }
    setSettingsChanged(false);
}
