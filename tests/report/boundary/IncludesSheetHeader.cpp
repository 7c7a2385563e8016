// Compiled as a file of the report engine, this must fail: the engine reaches the common room's
// headers, never the sheet's.
#include "common/QuillError.h"
#include "sheet/CharacterSheet.h"
