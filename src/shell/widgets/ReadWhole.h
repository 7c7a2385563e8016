#pragma once

class QComboBox;
class QListView;

// Entries that their box cuts short can still be read whole.
namespace ReadWhole {

// Every item of the list shows its whole text as its tooltip (as plain text, however it looks).
void showItemTips(QListView *list);

// The combo box's drop-down is as wide as its widest item, and never narrower than the box, from
// the box's first focus, press or key on.
void fitPopupToItems(QComboBox *combo);

} // namespace ReadWhole
