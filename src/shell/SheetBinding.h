#pragma once

class CharacterSheet;
class TMainForm;
struct ResourceWidgets;

// Binds the sheet's controls to the model once, both ways: a rule's write shows at once, and the
// user's typing reaches the model at once.
void bindSheet(TMainForm *form, CharacterSheet &sheet, const ResourceWidgets &resources);
