#pragma once

// Once a fortnight at most, asks whether to look for a newer version.
void ShowUpdateReminder();
