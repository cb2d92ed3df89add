// Toolbar icons of the network view's add commands, drawn rather than shipped.
#pragma once

#include "document/command_table.h"

#include <QIcon>

// A small picture of what the command adds (an arm, a zone, a label, a capacity assessor),
// crisp at any device pixel ratio; a null icon for other commands.
QIcon EditingIcon(ECommand command);
