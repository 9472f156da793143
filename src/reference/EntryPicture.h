#pragma once

#include "controls/DevicePicture.h"

// The picture of a reference entry, stretched inside a flat single border and
// drawn at the screen's device pixels. It is decoded the first time it is shown: the main window opens on the calendar
// page, and most pictures are never looked at in a run.
class EntryPicture : public DevicePicture
{
    Q_OBJECT

public:
    EntryPicture(const char* group, int position, const QString& title, QWidget* parent);

    bool isLoaded() const { return loaded; }
    // Decodes the picture now if it has not been; a missing one leaves the control empty.
    void load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const char* group;
    int position;
    bool loaded = false;
};
