#include "session/commands.h"

namespace kethmor::session {

std::vector<CommandRow> commandsOf(Face face) {
  std::vector<CommandRow> rows;
  for (const CommandRow& r : kCommands)
    if (r.faces & static_cast<unsigned>(face)) rows.push_back(r);
  return rows;
}

}  // namespace kethmor::session
