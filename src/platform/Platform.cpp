#include "platform/Platform.h"

namespace ked {

const char* MessageKindTitle(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return "Avertissement";
    case MessageKind::Error: return "Erreur";
    case MessageKind::Information: return "Information";
    case MessageKind::Confirmation: return "Confirmation";
  }
  return "";
}

const char* MessageButtonCaption(MessageButton button) {
  switch (button) {
    case BtnOk: return "OK";
    case BtnCancel: return "Annuler";
    case BtnYes: return "&Oui";
    case BtnNo: return "&Non";
    case BtnNone: break;
  }
  return "";
}

}  // namespace ked
