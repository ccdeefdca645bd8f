#include "platform/tell.h"

namespace ventro {
namespace {

Icon IconOf(Severity severity) {
  switch (severity) {
    case Severity::kInformation:
      return Icon::kInformation;
    case Severity::kWarning:
      return Icon::kWarning;
    case Severity::kError:
      break;
  }
  return Icon::kError;
}

}  // namespace

bool Tell(Ui& ui, const Status& status) {
  if (status.ok()) return true;
  ui.Message(status.title(), status.text(), IconOf(status.severity()));
  return false;
}

bool Tell(Ui& ui, const std::vector<Status>& statuses) {
  bool all_ok = true;
  for (const Status& status : statuses) all_ok = Tell(ui, status) && all_ok;
  return all_ok;
}

}  // namespace ventro
