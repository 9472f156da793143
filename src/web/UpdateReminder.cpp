#include "web/UpdateReminder.h"

void ShowUpdateReminder()
{
    // The stored reminder date arrives with the settings store.
}
