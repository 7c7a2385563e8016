#pragma once

class TMainForm;

// The sixteen configuration check boxes and the settings file "quillmark.ini" in the folder the
// program started in: read when the window is first shown, written when it closes.
void loadConfiguration(TMainForm *form);
void storeConfiguration(TMainForm *form);
