#include "shell/AboutHistory.h"

#include <algorithm>

#include "shell/UpdateCheck.h"

namespace ked {

std::string AboutMailAddress(const std::string& caption) {
  return "mailto:" + MakerMailAddress() + "?subject=" + caption;
}

const std::vector<std::string>& HistoryLines() {
  static const std::vector<std::string> lines{
      "Version 1.01 : 2001",
      "Création de la boite à outil, contenant les tâches",
      "     de l'arbitre, Rapports et feuille d'appel",
      "",
      "Version 5.07 : 2007",
      "Pré-remplissage des documents comptables ",
      "     Documents d'aide pour les GANA",
      "",
      "Version 7.09 : 2009",
      "Aides pour les mouvements : ",
      "     - des équipes en Poules",
      "     - inter-séances en Paires",
      "",
      "Version 8.10 : 2010",
      "Intégration : ",
      "     - CODE 2007",
      "     - RNC",
      "     - RPI",
      "     - RKed",
      "",
      "Version 9.13 : 2013",
      "Intégration de la conversion IMP/PV ",
      "            du calcul Bonus",
      "            des manuel MCF sans bridgemate",
      "            aide pour définir les horaires",
      "",
      "Version 10.15 : 2015",
      "  Amélioration de la prise en main à distance",
      "     sous TeamVierwer 8",
      "",
      "Version 12.17 : 2017",
      "   Nouveaux mouvementx par paires",
      "   Calcul de la pose sandwitchs",
      "",
      "Version 12.18 : 2018",
      "    Code2017 et Mise à jour documents internes",
      "        Bouton Aides en face avant",
      "",
      "Version 12.19 : 2019",
      "    suppresssion d'impresion autonome",
      "     Documents GaNa et Américain sans BM",
      "",
      "Version 12.22 : 2022",
      "     intégration de AnyDesk",
      "",
      "Version 13.23.10 : 2023",
      "  Mis à jour documents comptables et arbitrages",
      "    Ajout Modification RNC",
      "       Ajout document remonté problèmes arbitrage",
      "",
      "Version 13.23.12 : 2023",
      "  Mis à jour documents d'arbitrages",
      "",
      "",
      "",
      "",
      "",
      "",
  };
  return lines;
}

int HistoryStage::Steps() const { return std::max(surfaceHeight, lineHeight * lineCount); }

int HistoryStage::LineTop(int line, int step) const {
  return (line - 1) * lineHeight + (surfaceHeight - step);
}

void PlayHistory(const HistoryStage& stage, const HistoryPlayer& player) {
  const int steps = stage.Steps();
  for (int s = 1; s <= steps; ++s) {
    player.draw(s);
    player.wait(kHistoryStepMs);
    player.pendingEvents();
    if (s < steps) player.erase(s);
  }
  player.wait(kHistoryHoldMs);
}

}  // namespace ked
