#pragma once

#include "forms/FormRegistry.h"

// The one program-wide handle of a window kind. Using a window that is not
// loaded creates it and runs its Form_Load; closing it unloads it (the window
// calls FormRegistry::remove from its close event) and the next use creates a
// fresh one. Form must have a default constructor and a Form_Load() member.
template <class Form>
class FormHandle
{
public:
    static Form* loaded() { return current; }

    static Form& get()
    {
        if (current)
            return *current;
        // Form_Load may close the window again (a refused start does), so the
        // local pointer, not the handle, is returned; deletion is deferred.
        Form* form = new Form;
        form->setAttribute(Qt::WA_DeleteOnClose);
        current = form;
        FormRegistry::add(form, &forget);
        form->Form_Load();
        return *form;
    }

    // Hiding a window that is not loaded loads it first.
    static void hide() { get().hide(); }

    // Hides the window only if it is loaded.
    static void hideIfLoaded()
    {
        if (current)
            current->hide();
    }

private:
    static void forget() { current = nullptr; }
    static inline Form* current = nullptr;
};
