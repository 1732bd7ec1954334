#pragma once
// Which handler runs for which event of which control. This table is the only place where a
// handler is bound; every event without a row runs nothing.
#include <span>

#include "app/App.h"
#include "app/Controls.h"

namespace lifeng {

enum class Event { Created, Clicked, TextChanged, PositionChanged };

// A handler learns everything from the controls; source is the control whose event ran it.
using Handler = void (*)(App& app, Control source);

struct Binding {
    Control control;
    Event event;
    Handler handler;
};

std::span<const Binding> EventTable();

// Runs the handler bound to (control, event), if there is one, to completion.
void RaiseEvent(App& app, Control control, Event event);

}  // namespace lifeng
